#pragma once
// Placeholder until this component is written.
namespace orvelle {

struct Alerts {};

} // namespace orvelle
