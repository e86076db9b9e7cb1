#pragma once
// Which of its two pictures a status indicator of the main window shows.
namespace orvelle {

enum class IndicatorPicture { NonePending, Pending };

} // namespace orvelle
