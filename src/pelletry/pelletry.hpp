#pragma once

namespace pelletry {}
