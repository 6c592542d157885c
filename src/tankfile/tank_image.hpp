#pragma once

namespace tankfile {}
