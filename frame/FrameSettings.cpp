#include "frame/FrameSettings.h"

#include <QSettings>

namespace plovex {
namespace {

constexpr const char* kGrid = "Settings/Grid";
constexpr const char* kFunctionListArea = "Settings/FunctionListArea";
constexpr const char* kFunctionListFloating = "Settings/FunctionListFloating";
constexpr const char* kFunctionListGeometry = "Settings/FunctionListGeometry";
constexpr const char* kFunctionListShown = "Settings/FunctionListShown";

} // namespace

bool FrameSettings::GridShown()
{
    return QSettings().value(kGrid, false).toBool();
}

void FrameSettings::SetGridShown(bool shown)
{
    QSettings().setValue(kGrid, shown);
}

FrameSettings::DockPlace FrameSettings::FunctionListPlace()
{
    const QSettings settings;
    DockPlace place;
    place.area = static_cast<Qt::DockWidgetArea>(
        settings.value(kFunctionListArea, int(Qt::RightDockWidgetArea)).toInt());
    place.floating = settings.value(kFunctionListFloating, false).toBool();
    place.geometry = settings.value(kFunctionListGeometry).toByteArray();
    return place;
}

void FrameSettings::SetFunctionListPlace(const DockPlace& place)
{
    QSettings settings;
    settings.setValue(kFunctionListArea, int(place.area));
    settings.setValue(kFunctionListFloating, place.floating);
    settings.setValue(kFunctionListGeometry, place.geometry);
}

bool FrameSettings::FunctionListShown()
{
    return QSettings().value(kFunctionListShown, true).toBool();
}

void FrameSettings::SetFunctionListShown(bool shown)
{
    QSettings().setValue(kFunctionListShown, shown);
}

} // namespace plovex
