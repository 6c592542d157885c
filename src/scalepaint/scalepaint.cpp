#include "scalepaint/scalepaint.hpp"
