#include "pelletry/window.hpp"
