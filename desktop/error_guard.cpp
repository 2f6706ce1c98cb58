#include "desktop/error_guard.h"

#include <QMessageBox>

#include "desktop/language_choice.h"
#include "lang/error_text.h"

namespace kelmar {

namespace {
bool boxOpen = false;
}

void ShowFailure(QWidget* parent, const std::exception& failure) {
    if (boxOpen)
        return;
    boxOpen = true;
    QMessageBox box(QMessageBox::Critical, Tr("ケルマー"),
                    QString::fromStdString(ErrorText(ShownLanguage(), failure)), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
    boxOpen = false;
}

}  // namespace kelmar
