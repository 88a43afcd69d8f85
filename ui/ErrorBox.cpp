#include "ErrorBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace ranquill::ui {

namespace {

ErrorBox::Presenter& CurrentPresenter() {
    static ErrorBox::Presenter presenter;
    return presenter;
}

}  // namespace

void ErrorBox::Show(QWidget* parent, const QString& message) {
    const QString caption = CaptionFor(QCoreApplication::applicationFilePath());
    const QString text = TextFor(message);
    if (const Presenter& presenter = CurrentPresenter()) {
        presenter(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString ErrorBox::TextFor(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

QString ErrorBox::CaptionFor(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).fileName().section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty()) return name;
    return name.front() + name.mid(1).toLower();
}

void ErrorBox::SetPresenter(Presenter presenter) { CurrentPresenter() = std::move(presenter); }

}  // namespace ranquill::ui
