#pragma once

namespace scalepaint {}
