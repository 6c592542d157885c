// The demo's pelletry step.
#include "brinkit/demo_steps.hpp"

namespace brinkit {

base::Result<DemoRows> demoPelletry(const std::filesystem::path&) { return DemoRows{}; }

}  // namespace brinkit
