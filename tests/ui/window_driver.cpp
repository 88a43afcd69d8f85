#include "window_driver.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "ErrorBox.h"

namespace ranquill::testing {

ErrorBoxRecorder::ErrorBoxRecorder() {
    ui::ErrorBox::SetPresenter([this](const QString& caption, const QString& text) {
        shown.push_back({caption, text});
    });
}

ErrorBoxRecorder::~ErrorBoxRecorder() { ui::ErrorBox::SetPresenter({}); }

void Click(const QWidget* window, const char* buttonName) {
    QTest::mouseClick(Control<QAbstractButton>(window, buttonName), Qt::LeftButton);
}

void Answer(const QWidget* window, const QString& text) {
    auto* edit = Control<QLineEdit>(window, "Edit1");
    QTest::keyClicks(edit, text);
    Click(window, "Button1");
}

QStringList Lines(const QPlainTextEdit* memo) {
    QStringList lines;
    for (QTextBlock block = memo->document()->firstBlock(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

}  // namespace ranquill::testing
