#include "netkeeper/netkeeper.hpp"
