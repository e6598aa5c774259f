#include "gui/frmOverwriteDialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/QtKeys.h"
#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

// Enter and Esc press the buttons the question names; closing presses none.
class QuestionDialog : public QDialog {
  public:
    explicit QuestionDialog(QWidget* owner) : QDialog(owner) {}
    int button = Ow_Closed;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int b = frmOverwrite::ButtonOfKey(ToKeyPress(*event));
        if (b == Ow_Closed) {
            QDialog::keyPressEvent(event);
            return;
        }
        button = b;
        accept();
    }
};

}  // namespace

OverwriteAnswer frmOverwriteDialog::Show(const OverwriteQuestion& question, frmOverwrite& form) {
    QuestionDialog dialog(owner_);
    dialog.setWindowTitle(Q(question.caption));
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(Q(question.prompt)));
    auto* info = new QLabel(QLines(question.info));
    info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(info);
    auto* nameRow = new QHBoxLayout;
    auto* name = new QLineEdit(Q(question.name));
    name->setObjectName(QStringLiteral("txtName"));
    name->setMinimumWidth(420);
    nameRow->addWidget(name, 1);
    auto* folder = new QPushButton;
    folder->setIcon(dialog.style()->standardIcon(QStyle::SP_DirOpenIcon));
    folder->setToolTip(QStringLiteral("Download filenaming"));
    auto* naming = new QPushButton(QStringLiteral("Naming"));
    naming->setToolTip(QStringLiteral("Download filenaming"));
    for (QPushButton* b : {folder, naming}) {
        b->setAutoDefault(false);
        nameRow->addWidget(b);
    }
    QObject::connect(folder, &QPushButton::clicked, &dialog, [&form] { form.cCmdNaming_Click(0); });
    QObject::connect(naming, &QPushButton::clicked, &dialog, [&form] { form.cCmdNaming_Click(1); });
    column->addLayout(nameRow);
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(kOverwriteButtonCaptions[i]));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        QObject::connect(b, &QPushButton::clicked, &dialog, [&dialog, i] {
            dialog.button = i;
            dialog.accept();
        });
    }
    column->addLayout(buttons);
    name->setFocus();
    name->setCursorPosition(static_cast<int>(question.caret));
    dialog.exec();
    return OverwriteAnswer{dialog.button, S(name->text())};
}

}  // namespace ravlet::gui
