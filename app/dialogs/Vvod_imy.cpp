#include "app/dialogs/Vvod_imy.h"

#include "app/dialogs/NameEdit.h"
#include "app/dialogs/PlayerDialogFrame.h"
#include "app/dialogs/PlayerName.h"
#include "app/dialogs/Spis_imy.h"
#include "platform/DialogRunner.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

/// The text above the field while no name has been refused.
const QString kPrompt = QStringLiteral("Ваше имя");

/// The name field and the OK button, in dialog units.
constexpr TemplateRect kFieldPlace { 1, 9, 95, 12 };
constexpr TemplateRect kOkButtonPlace { 1, 23, 102, 10 };

} // namespace

CVvod_imy::CVvod_imy(QWidget* parent)
    : QDialog(parent)
{
    const PlayerDialogFrame frame = BuildPlayerDialog(*this, kPrompt);
    m_prompt = frame.text;
    connect(frame.button, &QPushButton::clicked, this, &CVvod_imy::OnChoosePlayer);

    m_edit = new NameEdit(this);
    m_edit->setGeometry(frame.units.rect(kFieldPlace));

    auto* ok = new QPushButton(QStringLiteral("Принять"), this);
    ok->setFlat(true);
    ok->setDefault(true);
    ok->setGeometry(frame.units.rect(kOkButtonPlace));
    connect(ok, &QPushButton::clicked, this, &CVvod_imy::OnOK);

    // Tab walks the controls in the template's order: field, "O", OK.
    setTabOrder(m_edit, frame.button);
    setTabOrder(frame.button, ok);
}

bool CVvod_imy::OnInitDialog()
{
    m_openedName = m_name;
    m_label = kPrompt;
    exchangeToControls();
    m_edit->setFocus();
    return true;
}

void CVvod_imy::OnOK()
{
    exchangeFromControls();
    m_name = FirstWord(m_name);
    exchangeToControls();
    exchangeFromControls();
    if (const QString refusal = NameRefusal(m_name); !refusal.isEmpty()) {
        m_label = refusal;
        exchangeToControls();
        return;
    }
    accept();
}

void CVvod_imy::OnChoosePlayer()
{
    exchangeFromControls();
    CSpis_imy list(this);
    list.m_current = m_name;
    if (platform::RunModal(list) == QDialog::Accepted) {
        m_name = list.m_current;
        exchangeToControls();
    }
}

void CVvod_imy::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CVvod_imy::reject()
{
    m_name = m_openedName;
    QDialog::reject();
}

void CVvod_imy::exchangeToControls()
{
    m_prompt->setText(m_label);
    m_edit->setName(m_name);
}

void CVvod_imy::exchangeFromControls()
{
    m_name = m_edit->text();
}
