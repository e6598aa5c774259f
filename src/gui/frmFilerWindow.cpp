#include "gui/frmFilerWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/QtText.h"

namespace ravlet::gui {

frmFilerWindow::frmFilerWindow(frmMain& main, QWidget* owner)
    : QWidget(owner, Qt::Window), main_(main), host_(main), filer_(host_) {
    setWindowTitle(QString::fromLatin1(frmFiler::kCaption));
    setObjectName(QStringLiteral("frmFiler"));
    auto* grid = new QGridLayout(this);
    const char* tips[] = {"Filename Start", "Filename End"};
    for (int i = 0; i < 2; ++i) {
        def_[i] = new QLineEdit;
        def_[i]->setObjectName(QStringLiteral("txtDef%1").arg(i));
        def_[i]->setToolTip(QString::fromLatin1(tips[i]));
        def_[i]->setPlaceholderText(QString::fromLatin1(tips[i]));
        connect(def_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { filer_.txtDef[i] = S(t); });
    }
    def_[0]->setMinimumWidth(260);
    range_ = new QLineEdit(Q(filer_.txtRange));
    range_->setObjectName(QStringLiteral("txtRange"));
    range_->setToolTip(QStringLiteral("Number range"));
    connect(range_, &QLineEdit::textEdited, this,
            [this](const QString& t) { filer_.txtRange = S(t); });
    grid->addWidget(def_[0], 0, 0);
    grid->addWidget(range_, 0, 1);
    grid->addWidget(def_[1], 0, 2);

    trail_ = new QCheckBox(QStringLiteral("&Format"));
    trail_->setToolTip(QStringLiteral("Uses 000 instead of 0 in 0-999 for example"));
    add_ = new QCheckBox(QStringLiteral("&Add (Maxrange ignored)"));
    add_->setToolTip(QStringLiteral(
        "This will add stuff  to the existing list  instead of creating a new list"));
    where_[0] = new QRadioButton(QStringLiteral("in &front"));
    where_[1] = new QRadioButton(QStringLiteral("at &end"));
    connect(trail_, &QCheckBox::toggled, this, [this](bool on) { filer_.txtRangeTrail = on; });
    connect(add_, &QCheckBox::toggled, this, [this](bool on) {
        filer_.chkAdd = on;
        Sync();
    });
    for (int i = 0; i < 2; ++i)
        connect(where_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) filer_.chkAddOpt = i;
        });
    auto* options = new QHBoxLayout;
    options->addWidget(trail_);
    options->addWidget(add_);
    options->addWidget(where_[0]);
    options->addWidget(where_[1]);
    options->addStretch(1);
    grid->addLayout(options, 1, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const char* buttonTips[] = {"Generates Filenames", "Clears the List"};
    for (int i = 0; i < 2; ++i) {
        apply_[i] = new QPushButton;
        apply_[i]->setObjectName(QStringLiteral("cApply%1").arg(i));
        apply_[i]->setToolTip(QString::fromLatin1(buttonTips[i]));
        apply_[i]->setAutoDefault(false);
        buttons->addWidget(apply_[i]);
        connect(apply_[i], &QPushButton::clicked, this, [this, i] {
            // The fields as they stand, however they were filled.
            if (filer_.InputsEnabled()) {
                filer_.txtDef[0] = S(def_[0]->text());
                filer_.txtDef[1] = S(def_[1]->text());
                filer_.txtRange = S(range_->text());
            }
            filer_.cApply_Click(i);
        });
    }
    apply_[1]->setText(QStringLiteral("&Clear"));
    grid->addLayout(buttons, 2, 0, 1, 3);

    filer_.Changed = [this] { Sync(); };
    main_.FilerWindowOpen(true);
    Sync();
}

frmFilerWindow::~frmFilerWindow() {
    filer_.Changed = nullptr;
    main_.FilerWindowOpen(false);
}

void frmFilerWindow::Sync() {
    const bool inputs = filer_.InputsEnabled();
    for (QLineEdit* e : {def_[0], def_[1], range_}) e->setEnabled(inputs);
    trail_->setEnabled(inputs);
    add_->setEnabled(inputs);
    trail_->setChecked(filer_.txtRangeTrail);
    add_->setChecked(filer_.chkAdd);
    where_[filer_.chkAddOpt == 0 ? 0 : 1]->setChecked(true);
    for (QRadioButton* r : where_) r->setEnabled(filer_.chkAddOptEnabled());
    apply_[0]->setText(Q(filer_.ApplyCaption()));
    const bool buttons = main_.Controls().filerButtons;
    for (int i = 0; i < 2; ++i) apply_[i]->setEnabled(buttons && filer_.ApplyEnabled(i));
}

void frmFilerWindow::closeEvent(QCloseEvent* event) {
    // The close box hides the window; it is unloaded with the main window.
    event->ignore();
    hide();
}

}  // namespace ravlet::gui
