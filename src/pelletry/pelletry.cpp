#include "pelletry/pelletry.hpp"
