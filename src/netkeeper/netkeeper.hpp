#pragma once

namespace netkeeper {}
