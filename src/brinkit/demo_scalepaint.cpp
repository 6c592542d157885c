// The demo's scalepaint step.
#include "brinkit/demo_steps.hpp"

namespace brinkit {

base::Result<DemoRows> demoScalepaint(const std::filesystem::path&) { return DemoRows{}; }

}  // namespace brinkit
