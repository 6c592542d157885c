#include "netkeeper/window.hpp"
