// Answers the modal windows that a window test opens: message boxes get the
// chosen button and their texts are kept; a file dialog gets the name given
// to typeInFileDialog() typed and accepted, once; any other dialog is cancelled.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <utility>

class ModalAnswerer final {
public:
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                m_texts.append(box->text());
                m_titles.append(box->windowTitle());
                QAbstractButton* button = box->button(answer);
                if (button)
                    button->click();
                else
                    box->reject();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                m_dialogs.append(dialog->windowTitle());
                auto* files = qobject_cast<QFileDialog*>(dialog);
                if (files && !m_fileName.isEmpty()) {
                    files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                        ->setText(std::exchange(m_fileName, QString()));
                    QTimer::singleShot(0, dialog, &QDialog::accept);
                } else {
                    dialog->reject();
                }
            }
        });
        m_timer.start();
    }

    void typeInFileDialog(const QString& name) { m_fileName = name; }

    const QStringList& texts() const { return m_texts; }
    const QStringList& titles() const { return m_titles; }
    const QStringList& dialogs() const { return m_dialogs; }

private:
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_titles;
    QStringList m_dialogs;
    QString m_fileName;
};
