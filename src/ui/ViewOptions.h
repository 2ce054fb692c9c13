#pragma once
// What the main window shows at start from the command line (--zoom,
// --data-dir, --open-date, --select, --reading, --tab) and its picture
// (--screenshot).
#include <string>
#include <vector>

class QWidget;

namespace vorpa {

class TMainForm;
class TSettingForm;
struct TProgramOptions;

// Applies the options in order: zoom, data directory, date, race, reading,
// tab.
// False with a message in *error when a value names nothing there. A data
// folder that does not exist, or a date without race files, still opens:
// the log list says so and the line for stderr is appended to *notes.
bool ApplyViewOptions(TMainForm& form, const TProgramOptions& opts, std::string* error,
                      std::vector<std::string>* notes);
// Shows the settings dialog (not modal) at the page with caption `page`;
// false with a message in *error when there is no such page.
bool ShowSettingsPage(TSettingForm& form, const std::string& page, std::string* error);
// Renders the widget into a PNG file; false when it cannot be written.
bool SaveWidgetPicture(QWidget& widget, const std::string& path);

}  // namespace vorpa
