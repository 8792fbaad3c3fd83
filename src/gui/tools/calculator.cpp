#include "tools/calculator.h"

#include "message_box.h"

namespace kombora::gui {

QStringList CalculatorCandidates() {
#if defined(Q_OS_WIN)
    return {QStringLiteral("calc.exe")};
#elif defined(Q_OS_MACOS)
    return {};
#else
    return {QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),
            QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),
            QStringLiteral("xcalc"),
            QStringLiteral("qalculate-gtk")};
#endif
}

bool StartCalculator(const Services& services, QWidget* parent, int32_t language) {
#if defined(Q_OS_MACOS)
    if (services.desktop->StartProgram(QStringLiteral("open"),
                                       {QStringLiteral("-a"), QStringLiteral("Calculator")})) {
        return true;
    }
#else
    for (const QString& name : CalculatorCandidates()) {
        const QString program = services.desktop->FindProgram(name);
        if (!program.isEmpty() && services.desktop->StartProgram(program, {})) return true;
    }
#endif
    ShowMessage(services, parent, language, MessageId::ToolsCalculatorNotFound);
    return false;
}

}  // namespace kombora::gui
