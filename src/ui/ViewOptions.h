#pragma once
// What the main window shows at start from the command line (--data-dir,
// --open-date, --select, --reading, --tab) and its picture (--screenshot).
#include <string>

class QWidget;

namespace vorpa {

class TMainForm;
class TSettingForm;
struct TProgramOptions;

// Applies the options in order: data directory, date, race, reading, tab.
// False with a message in *error when a value names nothing there.
bool ApplyViewOptions(TMainForm& form, const TProgramOptions& opts, std::string* error);
// Shows the settings dialog (not modal) at the page with caption `page`;
// false with a message in *error when there is no such page.
bool ShowSettingsPage(TSettingForm& form, const std::string& page, std::string* error);
// Renders the widget into a PNG file; false when it cannot be written.
bool SaveWidgetPicture(QWidget& widget, const std::string& path);

}  // namespace vorpa
