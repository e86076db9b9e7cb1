#pragma once
// Placeholder until this component is written.
namespace orvelle {

struct PlannerPage {};

} // namespace orvelle
