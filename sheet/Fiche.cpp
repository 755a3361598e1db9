#include "Fiche.h"

#include "CopieRecuperation.h"
#include "FenetreNotes.h"
#include "FiltreSaisie.h"
#include "Fond.h"
#include "PouvoirTalentWidget.h"
#include "model/Grade.h"
#include "model/Personnage.h"
#include "model/Texte.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLockFile>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace
{
constexpr char kFond[] = "vexal.jpg";

// The size of the sheets' font, once a sheet has measured it: the fonts of a run never change.
std::optional<qreal> soTaillePolice;

// The program's own writes must not come back as edits of the player.
template <class Boite, class Valeur>
void Ecrire(Boite* poBoite, Valeur oValeur)
{
    if (poBoite->value() == oValeur)
        return;
    const QSignalBlocker oBloque(poBoite);
    poBoite->setValue(oValeur);
}

// The character's texts go through the translation function like the form's own, so that a translation of
// the sheet can name the superiors and write the numbers its own way.
QString Traduit(const std::string& oTexte)
{
    return QCoreApplication::translate("VEXALFiche", oTexte.c_str());
}

void Ecrire(QLabel* poLabel, int nValeur)
{
    poLabel->setText(Traduit(std::to_string(nValeur)));
}

QScrollArea* CreerZone(QWidget* poFiche, const char* oNom, QWidget* poColonne, const QRect& oRect)
{
    auto* poZone = new QScrollArea(poFiche);
    poZone->setObjectName(QLatin1String(oNom));
    // The scroll area leaves the column's size alone: the column is as tall as its rows, and scrolls only when
    // they do not fit.
    poColonne->resize(poColonne->width(), 0);
    poZone->setWidget(poColonne);
    poZone->setGeometry(oRect);
    poZone->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes to the rows themselves, and the area follows the one that has the focus.
    poZone->setFocusPolicy(Qt::NoFocus);
    return poZone;
}
}

Fiche::Fiche(QWidget*)
    : QWidget(nullptr),
      mpoPile(new QUndoStack(this)),
      mpoCopie(new CopieRecuperation(this))
{
    setBackgroundRole(QPalette::Midlight);
    // Children take the sheet's font as they are made; set afterwards, it would reach each of them again and
    // make every list build its pop-up.
    if (soTaillePolice)
        SetTaillePolice(*soTaillePolice);
    setupUi(this);
    setFixedSize(666, 550);
    setWindowTitle(tr("VEXAL Fiche de perso Version 1.0"));
    setToolTip(tr("Fiche de personnage"));
    // A window paints its window role under everything; without its picture the sheet fills itself with its
    // plain mid-light colour instead.
    const QPixmap oFond = ChargerFond(QLatin1String(kFond));
    if (oFond.isNull())
        setAutoFillBackground(true);
    else
        setPalette(PaletteAvecFond(palette(), oFond, {QPalette::Window}));

    PouvoirsArea = CreerZone(this, "PouvoirsArea", verticalLayout_2, QRect(40, 280, 281, 250));
    TalentsArea = CreerZone(this, "TalentsArea", verticalLayout, QRect(350, 280, 291, 250));

    moBoitesCaract = {{{ForceValue, FORCE},
                       {AgiliteValue, AGILITE},
                       {PerceptionValue, PERCEPTION},
                       {PresenceValue, PRESENCE},
                       {VolonteValue, VOLONTE},
                       {FoiValue, FOI}}};
    // The minimum first: each new value is laid out as text again, and the step alone changes nothing shown.
    for (const BoiteCaract& oBoite : moBoitesCaract)
    {
        oBoite.mpoBox->setMinimum(1.0);
        oBoite.mpoBox->setSingleStep(0.5);
    }
    spinBoxGRADE->setRange(0, 3);
    spinBoxPATOT->setRange(0, 999);
    // A typed number reaches the character once the player is done with it. Taken digit by digit, a refused
    // first digit would spring back and the next ones would land after the old value: "100" would give 800.
    for (QAbstractSpinBox* poBoite : findChildren<QAbstractSpinBox*>())
        poBoite->setKeyboardTracking(false);

    ConnectAll();
    ConnecterDocument();
    for (QAbstractSpinBox* poBoite : findChildren<QAbstractSpinBox*>())
        FiltreSaisie::Proteger(poBoite);
    for (QComboBox* poListe : {SuperieurListe, PouvoirsListe, comboBoxTalents})
        FiltreSaisie::Proteger(poListe);
    // A new character has no superior yet, and the list says so rather than show a choice never made.
    SuperieurListe->setPlaceholderText(tr("Choisir…"));
    OrdonnerTabulation();
    // What the lists say of each entry is only read once they open, by the mouse or the keyboard.
    for (QComboBox* poListe : {PouvoirsListe, comboBoxTalents})
        poListe->installEventFilter(this);
}

Fiche::~Fiche()
{
    // Going, the window hides its boxes, and a box takes the number still being typed in it as it is hidden: that
    // number must not reach a sheet and a character that are no longer there. Nor may the undo stack, which empties
    // itself as it goes, nor notes still being typed.
    for (QAbstractSpinBox* poBoite : findChildren<QAbstractSpinBox*>())
        poBoite->blockSignals(true);
    mpoPile->blockSignals(true);
    if (mpoNotes != nullptr)
        mpoNotes->blockSignals(true);
}

std::string Fiche::NomChoisi(const QComboBox* poListe)
{
    return poListe->currentText().toLatin1().toStdString();
}

qreal Fiche::TaillePolice() const
{
    // The form's captions are sized for a small dialog font, which a desktop's default would clip: take the
    // largest size, in half points from 8 down, at which every caption fits. Each size tried loads a font, and
    // widths grow in step with the size, so the widths in the current font tell which size to try first.
    const QList<QLabel*> oLabels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const auto Deborde = [&oLabels](const auto& oMesure) {
        qreal fDebord = 0;
        for (const QLabel* poLabel : oLabels)
            fDebord = std::max(fDebord, oMesure.horizontalAdvance(poLabel->text()) / qreal(poLabel->width()));
        return fDebord;
    };
    QFont oPolice = font();
    qreal fEssai = std::clamp(std::floor(2 * oPolice.pointSizeF() / Deborde(QFontMetricsF(oPolice))) / 2, 6.0, 8.0);
    for (; fEssai > 6.0; fEssai -= 0.5)
    {
        oPolice.setPointSizeF(fEssai);
        if (Deborde(QFontMetrics(oPolice)) <= 1)
            break;
    }
    return fEssai;
}

void Fiche::SetTaillePolice(qreal fTaille)
{
    QFont oPolice = font();
    oPolice.setPointSizeF(fTaille);
    setFont(oPolice);
}

void Fiche::ConnectAll()
{
    connect(spinBoxPATOT, &QSpinBox::valueChanged, this, &Fiche::ChangedTotalPA);
    connect(spinBoxGRADE, &QSpinBox::valueChanged, this, &Fiche::ChangedGrade);
    connect(ForceValue, &QDoubleSpinBox::valueChanged, this, &Fiche::ForceChanged);
    connect(AgiliteValue, &QDoubleSpinBox::valueChanged, this, &Fiche::AgiliteChanged);
    connect(PerceptionValue, &QDoubleSpinBox::valueChanged, this, &Fiche::PerceptionChanged);
    connect(PresenceValue, &QDoubleSpinBox::valueChanged, this, &Fiche::PresenceChanged);
    connect(VolonteValue, &QDoubleSpinBox::valueChanged, this, &Fiche::VolonteChanged);
    connect(FoiValue, &QDoubleSpinBox::valueChanged, this, &Fiche::FoiChanged);
    connect(PPValue, &QSpinBox::valueChanged, this, &Fiche::PPChanged);
    connect(this, &Fiche::FillComboBox, SuperieurListe, &QComboBox::clear);
    connect(this, &Fiche::FillComboBox, PouvoirsListe, &QComboBox::clear);
    connect(this, &Fiche::FillComboBox, comboBoxTalents, &QComboBox::clear);
    connect(AddTalent, &QPushButton::clicked, this, &Fiche::AddTalentPressed);
    connect(RemoveTalent, &QPushButton::clicked, this, &Fiche::RemoveTalentPressed);
    connect(AddPouvoir, &QPushButton::clicked, this, &Fiche::AddPouvoirPressed);
    connect(RemovePouvoir, &QPushButton::clicked, this, &Fiche::RemovePouvoirPressed);
    connect(SuperieurListe, &QComboBox::activated, this, &Fiche::ChangedSuperieur);
    connect(Export, &QPushButton::clicked, this, &Fiche::ExportPressed);
}

void Fiche::SetPerso(Personnage* perso)
{
    PrendrePerso(perso, QString(), nullptr, Empreinte());
}

void Fiche::PrendrePerso(Personnage* perso, const QString& oFichier, std::unique_ptr<QLockFile> poVerrou,
                         const Empreinte& oEmpreinte)
{
    // No character to show: the sheet keeps the one it has, rather than rows and values of one deleted.
    if (perso == nullptr)
        return;
    const bool bAutre = perso != mpoPerso.get();
    if (bAutre)
    {
        // The rows stood for the character that goes; the same character handed again keeps them.
        ViderColonnes();
        mpoPerso.reset(perso);
    }
    // The first sheet of a run to be seen measures its captions; the start window's hidden sheet loads no font
    // for them. A sheet built with the size already has it, and setting it again changes nothing.
    if (!soTaillePolice)
        soTaillePolice = TaillePolice();
    SetTaillePolice(*soTaillePolice);
    SetCaractMaximum(Grade::LimitCaractMax(mpoPerso->GetGrade()));
    FillComboBoxListes();
    mpoEtat = std::make_shared<const EtatPersonnage>(mpoPerso->GetEtat());
    SynchroniserLignes();
    mnGradeDesAides = -1;
    MettreAJourAides();
    mbListesAJour = false;
    UpdateFiche();
    if (bAutre)
    {
        // Another character starts with nothing to undo, tied to its own file or to none.
        mpoPile->clear();
        mbLache = false;
        moLien.Attacher(oFichier, std::move(poVerrou), oEmpreinte);
        MettreAJourTitre();
    }
}

void Fiche::SetCaractMaximum(float fMaximum)
{
    // A value above the new maximum is clamped here and written again by the refresh that follows.
    for (const BoiteCaract& oBoite : moBoitesCaract)
    {
        const QSignalBlocker oBloque(oBoite.mpoBox);
        oBoite.mpoBox->setMaximum(fMaximum);
    }
}

void Fiche::UpdateFiche()
{
    if (!mpoPerso)
        return;
    Personnage& oPerso = *mpoPerso;

    SupLabel->setText(Traduit(oPerso.GetSuperieur()));
    // The list shows the character's superior, none included: a refused choice springs back like any value.
    SuperieurListe->setCurrentIndex(SuperieurListe->findText(QString::fromStdString(oPerso.GetSuperieur())));
    Ecrire(spinBoxGRADE, oPerso.GetGrade());
    Ecrire(spinBoxPATOT, oPerso.GetPATotal());
    for (const BoiteCaract& oBoite : moBoitesCaract)
        Ecrire(oBoite.mpoBox, static_cast<double>(oPerso.GetCaract(oBoite.meCaract)));
    Ecrire(PPValue, oPerso.GetPPValue());

    Ecrire(PArestantValue, oPerso.GetPA());
    Ecrire(PASecondaireValue, oPerso.GetPASecondaire());
    Ecrire(PAConvertiValue, oPerso.GetPAConverti());
    Ecrire(PFValue, oPerso.GetPF());
    Ecrire(BLValue, oPerso.GetBL());
    Ecrire(BGValue, oPerso.GetBG());
    Ecrire(BFValue, oPerso.GetBF());
    Ecrire(MSValue, oPerso.GetMS());
    const QString oNom = QString::fromStdString(oPerso.GetNom());
    if (NomValue->text() != oNom)
        NomValue->setText(oNom);
    if (mpoNotes != nullptr)
        mpoNotes->SetTexte(QString::fromStdString(oPerso.GetNotes()));

    UpdateLignesTalents();
    UpdateLignesPouvoirs();
}

void Fiche::UpdateCaract(QDoubleSpinBox* box, CARACT c)
{
    if (!mpoPerso)
        return;
    const int d = EnDemiPoints(box->value() - mpoPerso->GetCaract(c));
    Editer(QString::fromUtf8(NomCaracteristique(c)), [&](Personnage& oPerso) {
        if (d <= 0)
            oPerso.BaisserCaracteristique(c, -d);
        else
            oPerso.AugmenteCaracteristique(c, d);
    });
    UpdateFiche();
}

void Fiche::UpdatePP()
{
    if (!mpoPerso)
        return;
    const int v = PPValue->value();
    const int p = mpoPerso->GetPPValue();
    Editer(tr("PP"), [&](Personnage& oPerso) {
        if (v - p <= 0)
            oPerso.DiminuerPP(p - v);
        else
            oPerso.AugmenterPP(v - p);
    });
    UpdateFiche();
}

void Fiche::UpdateTotalPA()
{
    if (!mpoPerso)
        return;
    const int d = spinBoxPATOT->value() - mpoPerso->GetPATotal();
    Editer(tr("Total PA"), [&](Personnage& oPerso) {
        if (d > 0)
            oPerso.AddPATotal(d);
        else
            oPerso.RemovePATotal(-d);
    });
    UpdateFiche();
}

void Fiche::UpdateGrade()
{
    if (!mpoPerso)
        return;
    Editer(tr("Grade"), [this](Personnage& oPerso) { oPerso.SetGrade(spinBoxGRADE->value()); });
    SetCaractMaximum(Grade::LimitCaractMax(mpoPerso->GetGrade()));
    UpdateFiche();
}

void Fiche::ForceChanged()
{
    UpdateCaract(ForceValue, FORCE);
}

void Fiche::AgiliteChanged()
{
    UpdateCaract(AgiliteValue, AGILITE);
}

void Fiche::PerceptionChanged()
{
    UpdateCaract(PerceptionValue, PERCEPTION);
}

void Fiche::PresenceChanged()
{
    UpdateCaract(PresenceValue, PRESENCE);
}

void Fiche::VolonteChanged()
{
    UpdateCaract(VolonteValue, VOLONTE);
}

void Fiche::FoiChanged()
{
    UpdateCaract(FoiValue, FOI);
}

void Fiche::PPChanged()
{
    UpdatePP();
}

void Fiche::ChangedGrade()
{
    UpdateGrade();
}

void Fiche::ChangedTotalPA()
{
    UpdateTotalPA();
}
