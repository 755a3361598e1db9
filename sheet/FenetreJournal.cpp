#include "FenetreJournal.h"

#include "DocumentPersonnage.h"
#include "FiltreSaisie.h"
#include "journal/Achats.h"
#include "model/Personnage.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>

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

// The window's icon and its buttons to shrink, enlarge and close it, beside the title.
constexpr int kBoutonsFenetre = 4;

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

// The amount, the reason and the date of an award. An amount no total could take is refused as it is typed; the date
// is left empty when unknown, and one the journal cannot take keeps the dialog open with its reason.
class DialogueAttribution : public QDialog
{
public:
    DialogueAttribution(const Journal& oJournal, QWidget* poParent)
        : QDialog(poParent),
          moJournal(oJournal)
    {
        setObjectName(QStringLiteral("DialogueAttribution"));
        setWindowTitle(tr("Accorder des PA"));
        mpoPA->setObjectName(QStringLiteral("AttributionPA"));
        mpoPA->setRange(-Personnage::PATotalMax, Personnage::PATotalMax);
        mpoPA->setValue(10);
        mpoPA->setToolTip(tr("Les PA accordés ; négatifs pour une correction"));
        mpoPA->setKeyboardTracking(false);
        FiltreSaisie::Proteger(mpoPA);
        mpoRaison->setObjectName(QStringLiteral("AttributionRaison"));
        mpoRaison->setPlaceholderText(tr("Séance 12"));
        mpoDate->setObjectName(QStringLiteral("AttributionDate"));
        mpoDate->setPlaceholderText(tr("AAAA-MM-JJ"));
        mpoDate->setToolTip(tr("La date de l'attribution, AAAA-MM-JJ ; vide quand elle est inconnue"));
        mpoDate->setText(QDate::currentDate().toString(Qt::ISODate));
        mpoRefus->setObjectName(QStringLiteral("AttributionRefus"));
        mpoRefus->setWordWrap(true);
        mpoRefus->setTextFormat(Qt::PlainText);
        mpoRefus->hide();
        // Made in the order Tab goes through them.
        QToolButton* poCalendrier = Calendrier();
        auto* poBoutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        poBoutons->button(QDialogButtonBox::Ok)->setText(tr("Accorder"));
        poBoutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
        connect(poBoutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(poBoutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(FiltreSaisie::Instance(), &FiltreSaisie::HorsBornes, this, [this](QAbstractSpinBox* poBoite, double) {
            if (poBoite == mpoPA)
                Refuser(tr("Les PA accordés vont de %1 à %2")
                            .arg(locale().toString(mpoPA->minimum()), locale().toString(mpoPA->maximum())));
        });

        auto* poDate = new QHBoxLayout;
        poDate->addWidget(mpoDate);
        poDate->addWidget(poCalendrier);
        auto* poFormulaire = new QFormLayout(this);
        poFormulaire->addRow(tr("PA :"), mpoPA);
        poFormulaire->addRow(tr("Raison :"), mpoRaison);
        poFormulaire->addRow(tr("Date :"), poDate);
        poFormulaire->addRow(mpoRefus);
        poFormulaire->addRow(poBoutons);
        // The title whole, whatever the form needs: a bold title is the widest a window manager writes it.
        QFont oTitre = font();
        oTitre.setBold(true);
        const int nTitre = QFontMetrics(oTitre).horizontalAdvance(windowTitle())
            + kBoutonsFenetre * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        setMinimumWidth(std::max(minimumSizeHint().width(), nTitre));
    }

    int PA() const { return mpoPA->value(); }
    std::string Raison() const { return mpoRaison->text().trimmed().toStdString(); }
    std::string Date() const { return mpoDate->text().trimmed().toStdString(); }

    void accept() override
    {
        if (const std::string oRaison = Journaux::RaisonDate(moJournal, moJournal.size(), Date()); !oRaison.empty())
        {
            Refuser(Texte(oRaison));
            mpoDate->setFocus(Qt::OtherFocusReason);
            mpoDate->selectAll();
            return;
        }
        QDialog::accept();
    }

private:
    // A button beside the date that pops up a calendar; the day clicked is the date.
    QToolButton* Calendrier()
    {
        auto* poBouton = new QToolButton(this);
        poBouton->setObjectName(QStringLiteral("AttributionCalendrier"));
        poBouton->setText(tr("Calendrier"));
        poBouton->setToolTip(tr("Choisir la date dans un calendrier"));
        poBouton->setPopupMode(QToolButton::InstantPopup);
        auto* poMenu = new QMenu(poBouton);
        auto* poCalendrier = new QCalendarWidget(poMenu);
        auto* poAction = new QWidgetAction(poMenu);
        poAction->setDefaultWidget(poCalendrier);
        poMenu->addAction(poAction);
        poBouton->setMenu(poMenu);
        connect(poMenu, &QMenu::aboutToShow, poCalendrier, [this, poCalendrier] {
            const QDate oDate = QDate::fromString(mpoDate->text().trimmed(), Qt::ISODate);
            poCalendrier->setSelectedDate(oDate.isValid() ? oDate : QDate::currentDate());
        });
        const auto Choisir = [this, poMenu](QDate oDate) {
            mpoDate->setText(oDate.toString(Qt::ISODate));
            poMenu->close();
        };
        connect(poCalendrier, &QCalendarWidget::clicked, poMenu, Choisir);
        connect(poCalendrier, &QCalendarWidget::activated, poMenu, Choisir);
        return poBouton;
    }

    void Refuser(const QString& oRaison)
    {
        mpoRefus->setText(oRaison);
        mpoRefus->show();
    }

    const Journal& moJournal;
    QSpinBox* mpoPA = new QSpinBox(this);
    QLineEdit* mpoRaison = new QLineEdit(this);
    QLineEdit* mpoDate = new QLineEdit(this);
    QLabel* mpoRefus = new QLabel(this);
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
    DialogueAttribution oDialogue(*poAvant, this);
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
