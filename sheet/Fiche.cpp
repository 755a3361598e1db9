#include "Fiche.h"

#include "Documents.h"
#include "FenetreJournal.h"
#include "FenetreNotes.h"
#include "FiltreSaisie.h"
#include "Fond.h"
#include "PoliceFiche.h"
#include "model/Grade.h"
#include "model/Personnage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>
#include <string>

namespace
{
constexpr char kFond[] = "vexal.jpg";
// The Total PA box goes this far, or as far as the character's total when a file holds more.
constexpr int kPATotalCase = 999;

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

// A total of PA past three digits widens its box and its label into the free room on their right; the width the
// form gives them is kept as their least.
void Elargir(QWidget* poWidget, bool bAuDela)
{
    const int nLargeur = bAuDela ? std::max(poWidget->minimumWidth(), poWidget->sizeHint().width())
                                 : poWidget->minimumWidth();
    if (poWidget->width() != nLargeur)
        poWidget->resize(nLargeur, poWidget->height());
}
}

Fiche::Fiche(QWidget*)
    : QWidget(nullptr),
      mpoDocument(Documents::Nouveau())
{
    setBackgroundRole(QPalette::Midlight);
    // Children take the sheet's font as they are made; set afterwards, it would reach each of them again and
    // make every list build its pop-up.
    if (const std::optional<qreal> oTaille = PoliceFiche::Taille())
        PoliceFiche::Appliquer(*this, *oTaille);
    setupUi(this);
    setFixedSize(666, 550);
    setWindowTitle(tr("VEXAL Fiche de perso Version 1.0"));
    setToolTip(tr("Fiche de personnage"));
    moPlaceBarre = BarreEtat->geometry();
    BarreEtat->setWordWrap(true);
    // Names and reasons are text, whatever they hold.
    BarreEtat->setTextFormat(Qt::PlainText);
    SupLabel->setTextFormat(Qt::PlainText);
    BarreEtat->setBackgroundRole(QPalette::Base);
    // The boxes that cost nothing still say what they hold.
    spinBoxPATOT->setToolTip(tr("Total PA : tous les PA reçus, dépensés ou non ; le changer ajoute ou retire des PA "
                                "restants"));
    SuperieurListe->setToolTip(tr("Supérieur : seuls ses serviteurs achètent les pouvoirs qui lui sont réservés"));
    NomValue->setToolTip(tr("Nom du personnage, repris dans le titre de la fenêtre et les noms de fichier proposés"));
    // A window paints its window role under everything; without its picture the sheet fills itself with its
    // plain mid-light colour instead.
    const QPixmap oFond = ChargerFond(QLatin1String(kFond));
    if (oFond.isNull())
        setAutoFillBackground(true);
    else
        setPalette(PaletteAvecFond(palette(), oFond, {QPalette::Window}));

    mpoColonnePouvoirs = new ColonneLignes(vboxLayout, this, "PouvoirsArea", QRect(40, 280, 281, 250));
    mpoColonneTalents = new ColonneLignes(vboxLayout1, this, "TalentsArea", QRect(350, 280, 291, 250));
    PouvoirsArea = mpoColonnePouvoirs->Zone();
    TalentsArea = mpoColonneTalents->Zone();
    mpoListes = new ListesChoix(SuperieurListe, PouvoirsListe, comboBoxTalents, this);

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
    spinBoxPATOT->setRange(0, kPATotalCase);
    for (QWidget* poChiffre : {static_cast<QWidget*>(spinBoxPATOT), static_cast<QWidget*>(PArestantValue)})
        poChiffre->setMinimumWidth(poChiffre->width());
    for (QAbstractSpinBox* poBoite : findChildren<QAbstractSpinBox*>())
    {
        // A typed number reaches the character once the player is done with it. Taken digit by digit, a refused
        // first digit would spring back and the next ones would land after the old value: "100" would give 800.
        poBoite->setKeyboardTracking(false);
        FiltreSaisie::Proteger(poBoite);
    }
    FiltreSaisie::Proteger(NomValue);
    for (QAbstractButton* poBouton : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        FiltreSaisie::Proteger(poBouton);

    ConnectAll();
    ConnecterDocument();
    OrdonnerTabulation();
}

Fiche::~Fiche()
{
    // Going, the window hides its boxes, and a box takes the number still being typed in it as it is hidden: that
    // number must not reach a sheet and a character that are no longer there. Nor may notes still being typed.
    for (QAbstractSpinBox* poBoite : findChildren<QAbstractSpinBox*>())
        poBoite->blockSignals(true);
    if (mpoNotes != nullptr)
        mpoNotes->blockSignals(true);
    // The document may outlive the sheet, and what reads it goes first.
    delete mpoFenetreJournal;
    delete mpoListes;
    delete mpoCommandes;
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
    connect(FiltreSaisie::Instance(), &FiltreSaisie::HorsBornes, this, &Fiche::RefuserHorsBornes);
}

void Fiche::Adopter()
{
    // The first sheet of a run to be seen measures its captions; the start window's hidden sheet loads no font
    // for them. A sheet built with the size already has it, and setting it again changes nothing.
    PoliceFiche::Appliquer(*this, PoliceFiche::Mesurer(*this));
    SetCaractMaximum(Grade::LimitCaractMax(GetPerso()->GetGrade()));
    FillComboBoxListes();
    // The rows stood for the character that went.
    mpoColonneTalents->Vider();
    mpoColonnePouvoirs->Vider();
    mpoOrdreMontre.reset();
    mnGradeDesAides = -1;
    Suivre(EtatPersonnage());
}

void Fiche::Suivre(const EtatPersonnage& oAvant)
{
    const EtatPersonnage& oEtat = *mpoDocument->GetEtat();
    if (oEtat.mnGrade != oAvant.mnGrade)
        SetCaractMaximum(Grade::LimitCaractMax(oEtat.mnGrade));
    const bool bMemesNoms = mpoOrdreMontre == mpoDocument->GetOrdre();
    if (!bMemesNoms)
    {
        mpoOrdreMontre = mpoDocument->GetOrdre();
        const Personnage& oPerso = *GetPerso();
        const auto Priorite = [&oPerso](const std::string& oNom) {
            return QString::fromLatin1(Priorite2String(oPerso.TrouverTalent(oNom)->GetPriorite()));
        };
        const auto Prix = [&oPerso](const std::string& oNom) {
            return QString::fromStdString(oPerso.TrouverPouvoir(oNom)->GetToolTip());
        };
        const auto AideTalent = [this](const std::string& oNom) { return AideLigne(true, oNom); };
        const auto AidePouvoir = [this](const std::string& oNom) { return AideLigne(false, oNom); };
        const bool bTalents = mpoColonneTalents->Suivre(mpoOrdreMontre->moTalents, Priorite, AideTalent);
        const bool bPouvoirs = mpoColonnePouvoirs->Suivre(mpoOrdreMontre->moPouvoirs, Prix, AidePouvoir);
        if (bTalents || bPouvoirs)
            OrdonnerTabulation();
    }
    if (!bMemesNoms || oEtat.moSuperieur != oAvant.moSuperieur)
        mpoListes->Perimer();
    MettreAJourAides();
    UpdateFiche();
    MettreAJourTitre();
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
    const Personnage* poPerso = GetPerso();
    if (poPerso == nullptr)
        return;
    const Personnage& oPerso = *poPerso;

    SupLabel->setText(Traduit(oPerso.GetSuperieur()));
    // The list shows the character's superior, none included: a refused choice springs back like any value.
    mpoListes->MontrerSuperieur(oPerso.GetSuperieur());
    Ecrire(spinBoxGRADE, oPerso.GetGrade());
    if (const int nMaximum = std::max(kPATotalCase, oPerso.GetPATotal()); spinBoxPATOT->maximum() != nMaximum)
    {
        const QSignalBlocker oBloque(spinBoxPATOT);
        spinBoxPATOT->setMaximum(nMaximum);
    }
    Ecrire(spinBoxPATOT, oPerso.GetPATotal());
    Elargir(spinBoxPATOT, oPerso.GetPATotal() > kPATotalCase);
    for (const BoiteCaract& oBoite : moBoitesCaract)
        Ecrire(oBoite.mpoBox, static_cast<double>(oPerso.GetCaract(oBoite.meCaract)));
    Ecrire(PPValue, oPerso.GetPPValue());

    Ecrire(PArestantValue, oPerso.GetPA());
    Elargir(PArestantValue, oPerso.GetPA() > kPATotalCase);
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

    mpoColonneTalents->Ecrire(ScoresTalents());
    mpoColonnePouvoirs->Ecrire(NiveauxPouvoirs());
}

ColonneLignes::Valeur Fiche::ScoresTalents() const
{
    return [this](const std::string& oNom) { return mpoDocument->ScoreTalent(oNom); };
}

ColonneLignes::Valeur Fiche::NiveauxPouvoirs() const
{
    return [this](const std::string& oNom) { return mpoDocument->NiveauPouvoir(oNom); };
}

void Fiche::UpdateTalents()
{
    mpoColonneTalents->Transmettre(ScoresTalents());
}

void Fiche::UpdatePouvoirs()
{
    mpoColonnePouvoirs->Transmettre(NiveauxPouvoirs());
}

void Fiche::UpdateCaract(QDoubleSpinBox* box, CARACT c)
{
    mpoDocument->ChangerCaracteristique(c, box->value());
}

void Fiche::FillComboBoxListes()
{
    emit FillComboBox();
    FillPouvoirsAttributes();
    FillTalentListe();
    const PERSO eCamp = GetPerso() ? GetPerso()->GetCamp() : Personnage::SansCamp;
    if (eCamp == DEMON)
        FillPrincesDemons();
    else if (eCamp == ANGE)
        FillArchanges();
}

bool Fiche::TalentExisteDeja(std::string name)
{
    return GetPerso() != nullptr && GetPerso()->TrouverTalent(name) != nullptr;
}
