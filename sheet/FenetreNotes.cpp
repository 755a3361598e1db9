#include "FenetreNotes.h"

#include "FiltreSaisie.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace
{
// Long enough to take a word as it is typed, short enough that a step ends where the player stopped.
constexpr int kPauseMs = 1000;
}

FenetreNotes::FenetreNotes(QWidget* poFiche)
    : QWidget(poFiche, Qt::Window),
      mpoTexte(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FenetreNotes"));
    setWindowTitle(tr("Notes"));
    mpoTexte->setObjectName(QStringLiteral("NotesTexte"));
    mpoTexte->setPlaceholderText(tr("Histoire, équipement, contacts…"));
    // What is typed becomes a step of the character at each pause: the undo keys undo those steps.
    FiltreSaisie::Proteger(mpoTexte);
    auto* poColonne = new QVBoxLayout(this);
    poColonne->addWidget(mpoTexte);
    resize(380, 300);

    moPause.setSingleShot(true);
    moPause.setInterval(kPauseMs);
    // The sheet's own writes are made with the editor's signals blocked: only typing starts a pause.
    connect(mpoTexte, &QPlainTextEdit::textChanged, &moPause, qOverload<>(&QTimer::start));
    connect(&moPause, &QTimer::timeout, this, [this] { emit TexteChange(GetTexte()); });
}

void FenetreNotes::SetTexte(const QString& oTexte)
{
    if (moPause.isActive() || oTexte == GetTexte())
        return;
    const QSignalBlocker oBloque(mpoTexte);
    mpoTexte->setPlainText(oTexte);
}

QString FenetreNotes::GetTexte() const
{
    return mpoTexte->toPlainText();
}

void FenetreNotes::Valider()
{
    if (!moPause.isActive())
        return;
    moPause.stop();
    emit TexteChange(GetTexte());
}

void FenetreNotes::hideEvent(QHideEvent* poEvent)
{
    Valider();
    QWidget::hideEvent(poEvent);
}
