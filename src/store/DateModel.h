#pragma once
// Placeholder until this component is written.
namespace orvelle {

struct DateModel {};

} // namespace orvelle
