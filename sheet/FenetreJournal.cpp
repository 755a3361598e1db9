#include "FenetreJournal.h"

#include "DocumentPersonnage.h"
#include "journal/Achats.h"
#include "model/Personnage.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
enum Colonne
{
    kDate,
    kPA,
    kRaison,
    kAchats
};

QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

// What the award bought: until the next award, or until now for the last one.
std::vector<Achat> AchatsDe(const Journal& oJournal, std::size_t n, const EtatPersonnage& oMaintenant)
{
    return Achats(*oJournal[n].mpoEtat, n + 1 < oJournal.size() ? *oJournal[n + 1].mpoEtat : oMaintenant);
}

QTableWidgetItem* Case(const QString& oTexte, bool bModifiable)
{
    auto* poCase = new QTableWidgetItem(oTexte);
    if (!bModifiable)
        poCase->setFlags(poCase->flags() & ~Qt::ItemIsEditable);
    return poCase;
}

// The amount, the reason and the date of an award; the player may leave the date unknown by clearing it.
class DialogueAttribution : public QDialog
{
public:
    explicit DialogueAttribution(QWidget* poParent)
        : QDialog(poParent)
    {
        setObjectName(QStringLiteral("DialogueAttribution"));
        setWindowTitle(tr("Accorder des PA"));
        mpoPA->setObjectName(QStringLiteral("AttributionPA"));
        mpoPA->setRange(-9999, 9999);
        mpoPA->setValue(10);
        mpoPA->setToolTip(tr("Les PA accordés ; négatifs pour une correction"));
        mpoRaison->setObjectName(QStringLiteral("AttributionRaison"));
        mpoRaison->setPlaceholderText(tr("Séance 12"));
        mpoDate->setObjectName(QStringLiteral("AttributionDate"));
        mpoDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        mpoDate->setCalendarPopup(true);
        mpoDate->setDate(QDate::currentDate());
        auto* poBoutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        poBoutons->button(QDialogButtonBox::Ok)->setText(tr("Accorder"));
        poBoutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
        connect(poBoutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(poBoutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* poFormulaire = new QFormLayout(this);
        poFormulaire->addRow(tr("PA :"), mpoPA);
        poFormulaire->addRow(tr("Raison :"), mpoRaison);
        poFormulaire->addRow(tr("Date :"), mpoDate);
        poFormulaire->addRow(poBoutons);
    }

    int PA() const { return mpoPA->value(); }
    std::string Raison() const { return mpoRaison->text().trimmed().toStdString(); }
    std::string Date() const { return mpoDate->date().toString(Qt::ISODate).toStdString(); }

private:
    QSpinBox* mpoPA = new QSpinBox(this);
    QLineEdit* mpoRaison = new QLineEdit(this);
    QDateEdit* mpoDate = new QDateEdit(this);
};
}

FenetreJournal::FenetreJournal(DocumentPersonnage& oDocument, QWidget* poFiche)
    : QWidget(poFiche, Qt::Window),
      moDocument(oDocument),
      mpoTable(new QTableWidget(0, 4, this)),
      mpoAchats(new QListWidget(this)),
      mpoRetirer(new QPushButton(tr("Retirer l'attribution"), this)),
      mpoRaison(new QLabel(this))
{
    setObjectName(QStringLiteral("FenetreJournal"));
    setWindowTitle(tr("Journal"));
    mpoTable->setObjectName(QStringLiteral("JournalTable"));
    mpoTable->setHorizontalHeaderLabels({tr("Date"), tr("PA"), tr("Raison"), tr("Achats")});
    mpoTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mpoTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mpoTable->horizontalHeader()->setStretchLastSection(true);
    mpoTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mpoTable->setTextElideMode(Qt::ElideRight);
    mpoTable->verticalHeader()->hide();
    mpoAchats->setObjectName(QStringLiteral("JournalAchats"));
    mpoRaison->setObjectName(QStringLiteral("JournalRaison"));
    mpoRaison->setWordWrap(true);
    auto* poAccorder = new QPushButton(tr("Accorder des PA…"), this);
    poAccorder->setObjectName(QStringLiteral("Accorder"));
    mpoRetirer->setObjectName(QStringLiteral("Retirer"));

    auto* poBoutons = new QHBoxLayout;
    poBoutons->addWidget(poAccorder);
    poBoutons->addWidget(mpoRetirer);
    poBoutons->addStretch();
    auto* poColonne = new QVBoxLayout(this);
    poColonne->addWidget(mpoTable, 3);
    poColonne->addWidget(new QLabel(tr("Ce que l'attribution a acheté :"), this));
    poColonne->addWidget(mpoAchats, 2);
    poColonne->addWidget(mpoRaison);
    poColonne->addLayout(poBoutons);
    resize(640, 420);

    connect(poAccorder, &QPushButton::clicked, this, &FenetreJournal::Accorder);
    connect(mpoRetirer, &QPushButton::clicked, this, &FenetreJournal::Retirer);
    connect(mpoTable, &QTableWidget::itemChanged, this, &FenetreJournal::Modifier);
    connect(mpoTable, &QTableWidget::itemSelectionChanged, this, &FenetreJournal::MontrerAchats);
    // The journal follows the character while it is shown; hidden, it catches up as it opens.
    connect(&moDocument, &DocumentPersonnage::Change, this, [this] {
        if (isVisible())
            Suivre();
    });
    connect(&moDocument, &DocumentPersonnage::Annonce, this, [this](const QString& oTexte, bool bRefus) {
        mpoRaison->setText(bRefus ? oTexte : QString());
    });
}

void FenetreJournal::showEvent(QShowEvent* poEvent)
{
    Suivre();
    QWidget::showEvent(poEvent);
}

void FenetreJournal::Suivre()
{
    const JournalPartage& poJournal = moDocument.GetJournal();
    if (!poJournal || !moDocument.GetPerso())
        return;
    const Journal& oJournal = *poJournal;
    const EtatPersonnage oMaintenant = moDocument.GetPerso()->GetEtat();
    const QSignalBlocker oBloque(mpoTable);
    const bool bNouveau = poJournal != mpoMontre;
    if (bNouveau)
    {
        mpoMontre = poJournal;
        mpoTable->setRowCount(static_cast<int>(oJournal.size()));
    }
    for (std::size_t n = bNouveau ? 0 : oJournal.size() - 1; n < oJournal.size(); ++n)
    {
        const Attribution& oAttribution = oJournal[n];
        const int nLigne = static_cast<int>(n);
        mpoTable->setItem(nLigne, kDate, Case(Texte(oAttribution.moDate), true));
        mpoTable->setItem(nLigne, kPA, Case(QString::number(oAttribution.mnPA), false));
        mpoTable->setItem(nLigne, kRaison, Case(Texte(oAttribution.moRaison), true));
        QTableWidgetItem* poAchats = Case(Texte(Resume(AchatsDe(oJournal, n, oMaintenant))), false);
        poAchats->setToolTip(poAchats->text());
        mpoTable->setItem(nLigne, kAchats, poAchats);
    }
    // The purchases take what room is left, whole in their tool tip and in the list below.
    for (const int nColonne : {kDate, kPA, kRaison})
        mpoTable->resizeColumnToContents(nColonne);
    MontrerAchats();
}

void FenetreJournal::MontrerAchats()
{
    mpoAchats->clear();
    const int nLigne = mpoTable->currentRow();
    const JournalPartage& poJournal = moDocument.GetJournal();
    mpoRetirer->setEnabled(nLigne > 0);
    if (nLigne < 0 || !poJournal || static_cast<std::size_t>(nLigne) >= poJournal->size())
        return;
    for (const Achat& oAchat : AchatsDe(*poJournal, static_cast<std::size_t>(nLigne), moDocument.GetPerso()->GetEtat()))
        mpoAchats->addItem(Texte(Ligne(oAchat)));
    if (mpoAchats->count() == 0)
        mpoAchats->addItem(tr("Rien n'a encore été acheté avec ces PA."));
}

void FenetreJournal::Modifier(QTableWidgetItem* poCase)
{
    const std::size_t nLigne = static_cast<std::size_t>(poCase->row());
    const std::string oTexte = poCase->text().trimmed().toStdString();
    if (poCase->column() == kDate)
        moDocument.ChangerDate(nLigne, oTexte);
    else if (poCase->column() == kRaison)
        moDocument.ChangerRaison(nLigne, oTexte);
    // A refused date shows again what the journal holds.
    mpoMontre.reset();
    Suivre();
}

void FenetreJournal::Accorder()
{
    DialogueAttribution oDialogue(this);
    if (oDialogue.exec() == QDialog::Accepted)
        moDocument.Accorder(oDialogue.Date(), oDialogue.PA(), oDialogue.Raison());
}

void FenetreJournal::Retirer()
{
    if (mpoTable->currentRow() > 0)
        moDocument.RetirerAttribution(static_cast<std::size_t>(mpoTable->currentRow()));
}
