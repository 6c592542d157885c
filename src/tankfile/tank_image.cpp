#include "tankfile/tank_image.hpp"
