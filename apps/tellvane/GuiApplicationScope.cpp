#include "apps/tellvane/GuiApplicationScope.h"

namespace tellvane::cli {

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    own_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiApplicationScope::~GuiApplicationScope() = default;

}  // namespace tellvane::cli
