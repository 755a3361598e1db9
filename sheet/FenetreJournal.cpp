#include "FenetreJournal.h"

#include "DialogueAttribution.h"
#include "DocumentPersonnage.h"
#include "journal/Achats.h"
#include "model/Personnage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

// The view that stands over the frozen columns; the table opens its editors there.
class VueFigee : public QTableView
{
public:
    using QTableView::QTableView;
    using QAbstractItemView::edit;
};

// Remembers the editor it opened, so that what is typed in a cell can be handed on before a save.
class DelegueCase : public QStyledItemDelegate
{
public:
    explicit DelegueCase(QObject* poParent)
        : QStyledItemDelegate(poParent)
    {
        connect(this, &QAbstractItemDelegate::closeEditor, this, [this](QWidget* poEditeur) {
            if (poEditeur == mpoEditeur)
                mpoEditeur.clear();
        });
    }

    QWidget* createEditor(QWidget* poParent, const QStyleOptionViewItem& oOption,
                          const QModelIndex& oIndex) const override
    {
        mpoEditeur = QStyledItemDelegate::createEditor(poParent, oOption, oIndex);
        return mpoEditeur;
    }

    void Valider()
    {
        if (QWidget* poEditeur = mpoEditeur)
        {
            emit commitData(poEditeur);
            emit closeEditor(poEditeur);
        }
    }

private:
    mutable QPointer<QWidget> mpoEditeur;
};

namespace
{
enum Colonne
{
    kDate,
    kPA,
    kRaison,
    kAchats,
    kReste
};

QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

QTableWidgetItem* Case(const QString& oTexte, bool bModifiable)
{
    auto* poCase = new QTableWidgetItem(oTexte);
    if (!bModifiable)
        poCase->setFlags(poCase->flags() & ~Qt::ItemIsEditable);
    return poCase;
}

// An award of this character: its date may not go back before the last one.
class DialogueJournal : public DialogueAttribution
{
public:
    DialogueJournal(const Journal& oJournal, QWidget* poParent)
        : DialogueAttribution(tr("Accorder des PA"), poParent),
          moJournal(oJournal)
    {
    }

protected:
    std::string RaisonDate(const std::string& oDate) const override
    {
        return Journaux::RaisonDate(moJournal, moJournal.size(), oDate);
    }

private:
    const Journal& moJournal;
};
}

TableJournal::TableJournal(const QStringList& oTitres, QWidget* poParent)
    : QTableWidget(0, static_cast<int>(oTitres.size()), poParent),
      mpoFigee(new VueFigee(this)),
      mpoDelegue(new DelegueCase(this)),
      mpoDelegueFigee(new DelegueCase(this))
{
    setHorizontalHeaderLabels(oTitres);
    setItemDelegate(mpoDelegue);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    // By pixels: by whole columns, the first ones scrolled out would leave the next under the frozen ones.
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);

    mpoFigee->setModel(model());
    mpoFigee->setSelectionModel(selectionModel());
    mpoFigee->setItemDelegate(mpoDelegueFigee);
    mpoFigee->setSelectionBehavior(selectionBehavior());
    mpoFigee->setSelectionMode(selectionMode());
    mpoFigee->setEditTriggers(editTriggers());
    mpoFigee->setWordWrap(false);
    mpoFigee->verticalHeader()->hide();
    mpoFigee->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mpoFigee->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mpoFigee->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mpoFigee->setVerticalScrollMode(ScrollPerPixel);
    mpoFigee->setFrameShape(QFrame::NoFrame);
    // The keyboard stays with the table, which hands the frozen cells' editing over.
    mpoFigee->setFocusPolicy(Qt::NoFocus);
    mpoFigee->setFocusProxy(this);
    for (int nColonne = kFigees; nColonne < columnCount(); ++nColonne)
        mpoFigee->setColumnHidden(nColonne, true);
    viewport()->stackUnder(mpoFigee);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int nColonne, int, int nLargeur) {
        if (nColonne >= kFigees)
            return;
        mpoFigee->setColumnWidth(nColonne, nLargeur);
        Placer();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, mpoFigee->verticalScrollBar(), &QScrollBar::setValue);
    connect(mpoFigee->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    Placer();
}

void TableJournal::Valider()
{
    mpoDelegue->Valider();
    mpoDelegueFigee->Valider();
}

void TableJournal::resizeEvent(QResizeEvent* poEvent)
{
    QTableWidget::resizeEvent(poEvent);
    Placer();
}

void TableJournal::scrollTo(const QModelIndex& oIndex, ScrollHint eIndice)
{
    // A frozen cell is in view across already: only its row is sought. Another stops right of the frozen ones.
    const int nAvant = horizontalScrollBar()->value();
    QTableWidget::scrollTo(oIndex, eIndice);
    if (oIndex.column() < kFigees)
        horizontalScrollBar()->setValue(nAvant);
    else if (const int nCache = mpoFigee->width() - visualRect(oIndex).left(); nCache > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - nCache);
}

bool TableJournal::edit(const QModelIndex& oIndex, EditTrigger eDeclencheur, QEvent* poEvent)
{
    // A frozen cell is typed in where it shows.
    if (oIndex.column() < kFigees)
        return mpoFigee->edit(oIndex, eDeclencheur, poEvent);
    return QTableWidget::edit(oIndex, eDeclencheur, poEvent);
}

void TableJournal::Placer()
{
    // The frozen view's own widths, each set as its column's changed: the table's may not all be settled yet when one
    // of them tells.
    int nLargeur = 0;
    for (int nColonne = 0; nColonne < kFigees; ++nColonne)
        nLargeur += mpoFigee->columnWidth(nColonne);
    mpoFigee->setGeometry(frameWidth(), frameWidth(), nLargeur, viewport()->height() + horizontalHeader()->height());
}

FenetreJournal::FenetreJournal(DocumentPersonnage& oDocument, QWidget* poFiche)
    : QWidget(poFiche, Qt::Window),
      moDocument(oDocument),
      mpoTable(new TableJournal({tr("Date"), tr("PA"), tr("Raison"), tr("Achats"), tr("PA restant")}, this)),
      mpoAchats(new QListWidget(this)),
      mpoRetirer(new QPushButton(tr("Retirer l'attribution"), this)),
      mpoRaison(new QLabel(this))
{
    setObjectName(QStringLiteral("FenetreJournal"));
    setWindowTitle(tr("Journal"));
    mpoTable->setObjectName(QStringLiteral("JournalTable"));
    mpoAchats->setObjectName(QStringLiteral("JournalAchats"));
    mpoRaison->setObjectName(QStringLiteral("JournalRaison"));
    mpoRaison->setWordWrap(true);
    mpoRaison->setTextFormat(Qt::PlainText);
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
    // What the sheet's status line says, here too: a grant or a removal is often done from this window alone.
    connect(&moDocument, &DocumentPersonnage::Annonce, mpoRaison, &QLabel::setText);
}

void FenetreJournal::showEvent(QShowEvent* poEvent)
{
    Suivre();
    QWidget::showEvent(poEvent);
}

void FenetreJournal::Valider()
{
    mpoTable->Valider();
}

void FenetreJournal::Suivre()
{
    const JournalPartage& poJournal = moDocument.GetJournal();
    if (!poJournal || !moDocument.GetPerso())
        return;
    const Journal& oJournal = *poJournal;
    const Personnage& oPerso = *moDocument.GetPerso();
    const EtatPersonnage oMaintenant = oPerso.GetEtat();
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
        mpoTable->setItem(nLigne, kAchats, Case(Texte(ResumeDe(oPerso, oJournal, n, oMaintenant)), false));
        mpoTable->setItem(nLigne, kReste,
                          Case(QString::number(Journaux::PARestant(oJournal, n, oMaintenant.mnPA)), false));
    }
    // Every cell whole: the table scrolls sideways rather than cut the purchases.
    mpoTable->resizeColumnsToContents();
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
    const auto nAttribution = static_cast<std::size_t>(nLigne);
    if (Reprise(*poJournal, nAttribution))
        mpoAchats->addItem(tr("Repris d'un fichier version 1 : ce que le personnage avait acheté avant n'y est pas "
                              "détaillé."));
    const Personnage& oPerso = *moDocument.GetPerso();
    for (const Achat& oAchat : AchatsDe(oPerso, *poJournal, nAttribution, oPerso.GetEtat()))
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
    const JournalPartage poAvant = moDocument.GetJournal();
    if (!poAvant)
        return;
    DialogueJournal oDialogue(*poAvant, this);
    if (oDialogue.exec() != QDialog::Accepted)
        return;
    moDocument.Accorder(oDialogue.Date(), oDialogue.PA(), oDialogue.Raison());
    if (moDocument.GetJournal()->size() <= poAvant->size())
        return;
    // The new award in view, its purchases to come listed below.
    const int nLigne = mpoTable->rowCount() - 1;
    mpoTable->setCurrentCell(nLigne, kDate);
    mpoTable->scrollToItem(mpoTable->item(nLigne, kDate));
}

void FenetreJournal::Retirer()
{
    if (mpoTable->currentRow() > 0)
        moDocument.RetirerAttribution(static_cast<std::size_t>(mpoTable->currentRow()));
}
