#include "scalepaint/window.hpp"
