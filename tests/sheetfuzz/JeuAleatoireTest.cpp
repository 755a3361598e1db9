#include "Joueur.h"
#include "Registre.h"

#include "Dialogues.h"
#include "Fiche.h"
#include "fichier/FichierPersonnage.h"
#include "MyWidget.h"
#include "PouvoirTalentWidget.h"
#include "model/Grade.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <optional>
#include <random>

namespace
{
// Each run plays 50 seeds of 400 gestures. Longer runs: VEXAL_SHEETFUZZ_GRAINES=1000 or
// VEXAL_SHEETFUZZ_GESTES=4000; one seed again: VEXAL_SHEETFUZZ_PREMIERE_GRAINE=17 VEXAL_SHEETFUZZ_GRAINES=1.
int Reglage(const char* oVariable, int nDefaut)
{
    bool bLu = false;
    const int nValeur = qEnvironmentVariableIntValue(oVariable, &bLu);
    return bLu ? nValeur : nDefaut;
}

const QString kDemon = QStringLiteral("&Faire un Demon");
const QString kAnge = QStringLiteral("&Faire un ange");

// What a player types when it is not a number, or not quite one.
const char* const kGribouillis[] = {"abc", "-5", "1e9", ",,", "", " ", "2..5", "+", "0x1F", "3,5", "99999", "-0.5",
                                    ".5"};

// The offscreen platform says of every list that opens that it can neither raise it nor grab the keyboard:
// thousands of lines that would bury a failure.
QtMessageHandler gpoMessages = nullptr;

void FiltrerMessages(QtMsgType eType, const QMessageLogContext& oContexte, const QString& oMessage)
{
    if (!oMessage.startsWith(QLatin1String("This plugin does not support")))
        gpoMessages(eType, oContexte, oMessage);
}

const Catalogue& CatalogueDe(bool bDemon)
{
    static const Catalogue kDemons = FaireCatalogue(DEMON);
    static const Catalogue kAnges = FaireCatalogue(ANGE);
    return bDemon ? kDemons : kAnges;
}

template <class Nom, class Niveau>
QStringList NomsTenus(const std::vector<Nom>& oNoms, const std::vector<Niveau>& fNiveaux)
{
    QStringList oTenus;
    for (std::size_t n = 0; n < oNoms.size(); ++n)
    {
        if (fNiveaux[n] != kNonTenu)
            oTenus << QString::fromStdString(oNoms[n].moNom);
    }
    return oTenus;
}

// The rows must be the held names, each once, and a column that holds anything ends with its one spacer.
QString EcartDeColonne(const QVBoxLayout* poColonne, QStringList oTenus, const QString& oGenre)
{
    QStringList oLignes = NomsDesLignes(poColonne);
    oLignes.sort();
    oTenus.sort();
    if (oLignes != oTenus)
    {
        return QStringLiteral("%1 rows [%2] for the held %1s [%3]")
            .arg(oGenre, oLignes.join(QStringLiteral(", ")), oTenus.join(QStringLiteral(", ")));
    }
    if (poColonne->count() > 0 && (NombreEspaceurs(poColonne) != 1 || !FinitParEspaceur(poColonne)))
        return QStringLiteral("the %1 column does not end with its one spacer").arg(oGenre);
    return {};
}

// What one gesture may change of the player's choices; everything else must stay as it was.
struct Portee
{
    bool mbTout = false;  // a grade, which brings everything within its caps
    int mnCaract = -1;
    bool mbPP = false;
    bool mbPATotal = false;
    bool mbSuperieur = false;
    std::vector<std::size_t> mnTalents;  // positions in the catalogue
    std::vector<std::size_t> mnPouvoirs;
};

bool HorsDePortee(const Choix& oAvant, const Choix& oApres, const Portee& oPortee)
{
    if (oPortee.mbTout)
        return false;
    Choix oAttendu = oAvant;
    if (oPortee.mnCaract >= 0)
        oAttendu.mfCaract[oPortee.mnCaract] = oApres.mfCaract[oPortee.mnCaract];
    if (oPortee.mbPP)
        oAttendu.mnPPAchetes = oApres.mnPPAchetes;
    if (oPortee.mbPATotal)
        oAttendu.mnPATotal = oApres.mnPATotal;
    if (oPortee.mbSuperieur)
        oAttendu.moSuperieur = oApres.moSuperieur;
    for (std::size_t n : oPortee.mnTalents)
        oAttendu.mfTalents[n] = oApres.mfTalents[n];
    for (std::size_t n : oPortee.mnPouvoirs)
        oAttendu.mfPouvoirs[n] = oApres.mfPouvoirs[n];
    return !(oAttendu == oApres);
}

struct LigneTiree
{
    PouvoirTalentWidget* mpoLigne;  // null when the sheet has no row
    bool mbTalent;
    QString moNom;

    QString Libelle() const { return QStringLiteral("%1 row %2").arg(mbTalent ? "talent" : "power", moNom); }
};

// One player at the start window and its current sheet, drawing each gesture from the seed.
class Partie
{
public:
    Partie(MyWidget& oDepart, quint32 nGraine)
        : moDepart(oDepart),
          moHasard(nGraine)
    {
    }

    Fiche& Feuille() const { return *moDepart.GetFiche(); }
    EtatPersonnage EtatCourant() const { return Feuille().GetPerso()->GetEtat(); }
    int Entier(std::size_t nBorne) { return static_cast<int>(moHasard() % nBorne); }
    bool PileOuFace() { return Entier(2) == 0; }

    // Keeps the first thing that the player could not do, which fails the gesture.
    void Exiger(bool bFait, const QString& oQuoi)
    {
        if (!bFait && moIncident.isEmpty())
            moIncident = QStringLiteral("the player could not ") + oQuoi;
    }

    // The gesture may change this talent or power, when the catalogue has it.
    void Toucher(bool bTalent, const QString& oNom)
    {
        const Catalogue& oCatalogue = CatalogueDe(mbDemon);
        const std::string oCle = oNom.toStdString();
        const auto bMeme = [&](const auto& oEntree) { return oEntree.mbAuCatalogue && oEntree.moNom == oCle; };
        if (bTalent)
            Noter(moPortee.mnTalents, oCatalogue.moTalents, bMeme);
        else
            Noter(moPortee.mnPouvoirs, oCatalogue.moPouvoirs, bMeme);
    }

    void ToucherSuperieur() { moPortee.mbSuperieur = true; }
    void ToucherTout() { moPortee.mbTout = true; }

    // The steps the player can go back and forth through: every state an edit made, and where the sheet stands.
    // An opened file may hold a character of the other side.
    void Recommencer()
    {
        mbDemon = Feuille().GetPerso()->GetCamp() == DEMON;
        // A few names the player keeps coming back to, so that talents meet their specialities and the same
        // rows are added, raised, removed and added again.
        moTalentsFavoris = Favoris(Entrees(Feuille().comboBoxTalents), 8);
        moPouvoirsFavoris = Favoris(Entrees(Feuille().PouvoirsListe), 6);
        moHistoire = {EtatCourant()};
        mnPosition = 0;
    }

    // Undo or redo: the state one step away, when there is one, else no change and a greyed button.
    void Attendre(int nPas)
    {
        moAttendu = moHistoire[mnPosition];
        const std::size_t nCible = mnPosition + static_cast<std::size_t>(nPas);
        if (nCible < moHistoire.size())
            moAttendu = moHistoire[mnPosition = nCible];
        mbPasDEdition = true;
    }

    // After a save: what the file holds is the character.
    void AttendreFichier(const QString& oFichier) { moFichierAttendu = oFichier; }

    QString Fichier() const { return moDossier.filePath(QStringLiteral("perso.vexal")); }

    // A new character has all to choose yet: the sheet must show it as the rules make it.
    QString NouvelleFiche(bool bDemon)
    {
        const QString& oTexte = bDemon ? kDemon : kAnge;
        QPushButton* poBouton = Bouton(moDepart, oTexte);
        Exiger(poBouton != nullptr, QStringLiteral("find the button ") + oTexte);
        if (poBouton == nullptr)
            return oTexte;
        // The player lets the character go without saving it; Enter presses the button as a click does.
        Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
        if (PileOuFace())
            Joueur::Cliquer(poBouton);
        else
        {
            poBouton->setFocus(Qt::TabFocusReason);
            QTest::keyClick(poBouton, Qt::Key_Return);
        }
        Dialogues::SetProchaineReponse(std::nullopt);
        mbDemon = bDemon;
        moAvant = Lire(*Creer(bDemon ? DEMON : ANGE), CatalogueDe(bDemon));
        Recommencer();

        Exiger(QTest::qWaitForWindowExposed(&Feuille()), QStringLiteral("see the new sheet"));
        return QStringLiteral("press ") + oTexte;
    }

    // A name of the list, from the favourites half the time.
    QString Nom(const QComboBox* poListe, const QStringList& oFavoris)
    {
        const QStringList oNoms = PileOuFace() ? oFavoris : Entrees(poListe);
        return oNoms.at(Entier(oNoms.size()));
    }

    QString TalentAuHasard() { return Nom(Feuille().comboBoxTalents, moTalentsFavoris); }
    QString PouvoirAuHasard() { return Nom(Feuille().PouvoirsListe, moPouvoirsFavoris); }

    // The powers reserved to the superior that the sheet shows.
    QStringList PouvoirsDuSuperieur() const
    {
        const std::string oSuperieur = Feuille().SupLabel->text().toStdString();
        QStringList oNoms;
        for (const NomPouvoir& oPouvoir : CatalogueDe(mbDemon).moPouvoirs)
        {
            if (oPouvoir.mbAuCatalogue && oPouvoir.moSuperieur == oSuperieur)
                oNoms << QString::fromStdString(oPouvoir.moNom);
        }
        return oNoms;
    }

    LigneTiree LigneAuHasard()
    {
        const QList<PouvoirTalentWidget*> oTalents = Lignes(Feuille().vboxLayout1);
        const QList<PouvoirTalentWidget*> oPouvoirs = Lignes(Feuille().vboxLayout);
        const qsizetype nLignes = oTalents.size() + oPouvoirs.size();
        if (nLignes == 0)
            return {nullptr, false, {}};
        const int n = Entier(nLignes);
        const bool bTalent = n < oTalents.size();
        PouvoirTalentWidget* poLigne = bTalent ? oTalents.at(n) : oPouvoirs.at(n - oTalents.size());
        return {poLigne, bTalent, QString::fromStdString(poLigne->GetName())};
    }

    // The box the gesture goes to: a row's half the time when there are rows, else one of the sheet's own.
    // What it shows is all that the gesture may change.
    QAbstractSpinBox* Viser(QString& oNom)
    {
        if (PileOuFace())
        {
            const LigneTiree oLigne = LigneAuHasard();
            if (oLigne.mpoLigne != nullptr)
            {
                Toucher(oLigne.mbTalent, oLigne.moNom);
                oNom = oLigne.Libelle();
                return Ecouter(BoiteDe(oLigne.mpoLigne), oNom);
            }
        }
        Fiche& oFiche = Feuille();
        QAbstractSpinBox* const kBoites[] = {oFiche.ForceValue,    oFiche.AgiliteValue, oFiche.PerceptionValue,
                                             oFiche.PresenceValue, oFiche.VolonteValue, oFiche.FoiValue,
                                             oFiche.PPValue,       oFiche.spinBoxPATOT, oFiche.spinBoxGRADE};
        const int nBoite = Entier(std::size(kBoites));
        QAbstractSpinBox* poBoite = kBoites[nBoite];
        // The characteristics come first, in their own order.
        if (nBoite <= FOI)
            moPortee.mnCaract = nBoite;
        moPortee.mbPP = poBoite == oFiche.PPValue;
        moPortee.mbPATotal = poBoite == oFiche.spinBoxPATOT;
        moPortee.mbTout = poBoite == oFiche.spinBoxGRADE;
        oNom = poBoite->objectName();
        return Ecouter(poBoite, oNom);
    }

    // Where the cursor stands when the player reaches for a key: a box, a row's box, a list or the name.
    QWidget* CaseAuHasard()
    {
        Fiche& oFiche = Feuille();
        const LigneTiree oLigne = LigneAuHasard();
        QWidget* poLigne = oLigne.mpoLigne ? static_cast<QWidget*>(BoiteDe(oLigne.mpoLigne)) : oFiche.PouvoirsListe;
        QWidget* const kCases[] = {oFiche.ForceValue,   oFiche.AgiliteValue,   oFiche.PerceptionValue,
                                   oFiche.PresenceValue, oFiche.VolonteValue,   oFiche.FoiValue,
                                   oFiche.PPValue,       oFiche.spinBoxPATOT,   oFiche.spinBoxGRADE,
                                   oFiche.NomValue,      oFiche.SuperieurListe, oFiche.comboBoxTalents,
                                   poLigne};
        return kCases[Entier(std::size(kCases))];
    }

    // Mostly a number, small or not, whole or with decimals, now and then negative; else some scribble.
    QString Texte()
    {
        if (Entier(4) == 0)
            return QString::fromLatin1(kGribouillis[Entier(std::size(kGribouillis))]);
        const std::size_t kEchelles[] = {14, 14, 14, 140, 1400};
        QString oTexte = QString::number(Entier(kEchelles[Entier(std::size(kEchelles))]));
        if (Entier(10) == 0)
            oTexte.prepend(QLatin1Char('-'));
        const int nDecimales = Entier(6);
        if (nDecimales == 1)
            oTexte += QStringLiteral(".5");
        else if (nDecimales > 1)
            oTexte += QLatin1Char('.');
        for (int n = nDecimales; n > 2; --n)
            oTexte += QChar(u'0' + Entier(10));
        return oTexte;
    }

    // What the gesture just made went wrong on the sheet or in the character; empty when nothing did, and the
    // character as it stands is then what the next gesture starts from.
    QString Verifier()
    {
        Fiche& oFiche = Feuille();
        const Catalogue& oCatalogue = CatalogueDe(mbDemon);
        const Etat oEtat = Lire(*oFiche.GetPerso(), oCatalogue);
        const std::string oRegle = Ecart(*oFiche.GetPerso(), oEtat, oCatalogue);
        const QString oEcarts[] = {
            moIncident,
            CeQuiDiffere(oFiche),
            EcartDesMaximums(oFiche),
            oRegle.empty() ? QString() : QString::fromStdString("the character breaks a rule: " + oRegle + "\n"
                                                                + Decrire(oEtat, oCatalogue)),
            EcartDeDemande(),
            HorsDePortee(moAvant.moChoix, oEtat.moChoix, moPortee)
                ? QString::fromStdString("the character changed beyond what the gesture touched; before:\n"
                                         + Decrire(moAvant, oCatalogue) + "\nafter:\n" + Decrire(oEtat, oCatalogue))
                : QString(),
            EcartDeColonne(oFiche.vboxLayout1, NomsTenus(oCatalogue.moTalents, oEtat.moChoix.mfTalents), "talent"),
            EcartDeColonne(oFiche.vboxLayout, NomsTenus(oCatalogue.moPouvoirs, oEtat.moChoix.mfPouvoirs), "power"),
        };
        for (const QString& oEcart : oEcarts)
        {
            if (!oEcart.isEmpty())
                return oEcart;
        }
        if (const QString oEcart = EcartDHistoire(); !oEcart.isEmpty())
            return oEcart;
        QObject::disconnect(moDemande.moEcoute);
        moDemande = {};
        moAvant = oEtat;
        moPortee = {};
        return {};
    }

private:
    // Undo and redo walk the steps the edits made; an edit that changed the character is the last step.
    QString EcartDHistoire()
    {
        const EtatPersonnage oEtat = EtatCourant();
        if (moAttendu && oEtat != *moAttendu)
            return QStringLiteral("undo or redo did not give back the state of the step before or after");
        if (!moFichierAttendu.isEmpty())
        {
            QFile oFichier(moFichierAttendu);
            std::string oErreur;
            const auto oLu = oFichier.open(QIODevice::ReadOnly)
                ? FichierPersonnage::Lire(oFichier.readAll().toStdString(), oErreur)
                : std::nullopt;
            if (!oLu || *oLu != oEtat)
                return QStringLiteral("the saved file does not hold the character: ") + QString::fromStdString(oErreur);
            if (Feuille().isWindowModified())
                return QStringLiteral("the sheet still says the character is modified once saved");
        }
        if (!mbPasDEdition && oEtat != moHistoire[mnPosition])
        {
            moHistoire.resize(++mnPosition);
            moHistoire.push_back(oEtat);
        }
        moAttendu.reset();
        moFichierAttendu.clear();
        mbPasDEdition = false;
        return {};
    }

    // The box a gesture goes to, what it showed, and the last value it reported: the player's, since whatever
    // the refresh writes into it is reported while the player's report is still being handled.
    struct Demande
    {
        QPointer<QAbstractSpinBox> mpoBoite;
        QString moNom;
        double mfAvant = 0;
        std::optional<double> mfValeur;
        QMetaObject::Connection moEcoute;
    };

    static double Valeur(const QAbstractSpinBox* poBoite)
    {
        if (const auto* poEntiers = qobject_cast<const QSpinBox*>(poBoite))
            return poEntiers->value();
        return qobject_cast<const QDoubleSpinBox*>(poBoite)->value();
    }

    QAbstractSpinBox* Ecouter(QAbstractSpinBox* poBoite, const QString& oNom)
    {
        moDemande = {poBoite, oNom, Valeur(poBoite), std::nullopt, {}};
        const auto oNoter = [this](double fValeur) { moDemande.mfValeur = fValeur; };
        if (auto* poEntiers = qobject_cast<QSpinBox*>(poBoite))
            moDemande.moEcoute = QObject::connect(poEntiers, &QSpinBox::valueChanged, oNoter);
        else if (auto* poDecimaux = qobject_cast<QDoubleSpinBox*>(poBoite))
            moDemande.moEcoute = QObject::connect(poDecimaux, &QDoubleSpinBox::valueChanged, oNoter);
        return poBoite;
    }

    // The character takes what the box asked, cut down to whole steps toward zero (half points, or whole
    // points in a box of integers), or refuses it and keeps what it had.
    QString EcartDeDemande() const
    {
        if (moDemande.mpoBoite == nullptr)
            return {};
        const double fAvant = moDemande.mfAvant;
        const double fApres = Valeur(moDemande.mpoBoite);
        const double fPas = qobject_cast<const QSpinBox*>(moDemande.mpoBoite) != nullptr ? 1.0 : 0.5;
        const double fDemande = moDemande.mfValeur.value_or(fAvant);
        const double fPris = fAvant + fPas * std::trunc((fDemande - fAvant) / fPas);
        if (fApres == fAvant || fApres == fPris)
            return {};
        return QStringLiteral("%1 went from %2 to %3 when the player asked for %4")
            .arg(moDemande.moNom)
            .arg(fAvant)
            .arg(fApres)
            .arg(fDemande);
    }

    static QString EcartDesMaximums(const Fiche& oFiche)
    {
        const float fMaximum = Grade::LimitCaractMax(oFiche.GetPerso()->GetGrade());
        for (const QDoubleSpinBox* poBoite : {oFiche.ForceValue, oFiche.AgiliteValue, oFiche.PerceptionValue,
                                              oFiche.PresenceValue, oFiche.VolonteValue, oFiche.FoiValue})
        {
            if (poBoite->maximum() != fMaximum)
                return QStringLiteral("%1 reaches %2, the grade lets it reach %3")
                    .arg(poBoite->objectName())
                    .arg(poBoite->maximum())
                    .arg(fMaximum);
        }
        return {};
    }

    template <class Noms, class Critere>
    static void Noter(std::vector<std::size_t>& oPositions, const Noms& oNoms, Critere bMeme)
    {
        const auto oTrouve = std::find_if(oNoms.begin(), oNoms.end(), bMeme);
        if (oTrouve != oNoms.end())
            oPositions.push_back(static_cast<std::size_t>(oTrouve - oNoms.begin()));
    }

    QStringList Favoris(const QStringList& oEntrees, int nCombien)
    {
        QStringList oFavoris;
        for (int n = 0; n < nCombien; ++n)
        {
            const QString& oNom = oEntrees.at(Entier(oEntrees.size()));
            oFavoris << oNom;
            // A general talent is played with its speciality.
            if (oEntrees.contains(oNom + QStringLiteral("(Spe)")))
                oFavoris << oNom + QStringLiteral("(Spe)");
        }
        return oFavoris;
    }

    MyWidget& moDepart;
    std::mt19937 moHasard;
    bool mbDemon = true;
    QStringList moTalentsFavoris;
    QStringList moPouvoirsFavoris;
    QString moIncident;
    Etat moAvant{};
    Portee moPortee;
    QTemporaryDir moDossier;
    std::vector<EtatPersonnage> moHistoire;
    std::size_t mnPosition = 0;
    std::optional<EtatPersonnage> moAttendu;
    QString moFichierAttendu;
    bool mbPasDEdition = false;
    Demande moDemande;
};

QString Fleche(Partie& oPartie)
{
    QString oNom;
    QAbstractSpinBox* poBoite = oPartie.Viser(oNom);
    if (oPartie.PileOuFace())
    {
        Joueur::Monter(poBoite);
        return QStringLiteral("up ") + oNom;
    }
    Joueur::Descendre(poBoite);
    return QStringLiteral("down ") + oNom;
}

// Types or pastes some text into a box, and takes it with Enter.
QString Saisir(Partie& oPartie, void (*pSaisir)(QAbstractSpinBox*, const QString&), const char* oVerbe)
{
    QString oNom;
    QAbstractSpinBox* poBoite = oPartie.Viser(oNom);
    const QString oTexte = oPartie.Texte();
    pSaisir(poBoite, oTexte);
    return QStringLiteral("%1 \"%2\" into %3").arg(QLatin1String(oVerbe), oTexte, oNom);
}

// Tab takes the number typed, as Enter would, on the way to the next box.
void TaperPuisTab(QAbstractSpinBox* poBoite, const QString& oTexte)
{
    Joueur::Entamer(poBoite, oTexte);
    QTest::keyClick(poBoite, Qt::Key_Tab);
}

QString NouveauTalent(Partie& oPartie)
{
    const QString oNom = oPartie.TalentAuHasard();
    oPartie.Toucher(true, oNom);
    // A general talent comes with its speciality.
    oPartie.Toucher(true, oNom + QStringLiteral("(Spe)"));
    oPartie.Exiger(Joueur::AjouterTalent(oPartie.Feuille(), oNom), QStringLiteral("pick the talent ") + oNom);
    return QStringLiteral("add talent ") + oNom;
}

QString AjouterPouvoir(Partie& oPartie, const QString& oNom)
{
    oPartie.Toucher(false, oNom);
    oPartie.Exiger(Joueur::AjouterPouvoir(oPartie.Feuille(), oNom), QStringLiteral("pick the power ") + oNom);
    return QStringLiteral("add power ") + oNom;
}

// Reserved powers are bought only under their superior: a player who has chosen one goes for them.
QString PouvoirDuSuperieur(Partie& oPartie)
{
    const QStringList oReserves = oPartie.PouvoirsDuSuperieur();
    if (oReserves.isEmpty())
        return AjouterPouvoir(oPartie, oPartie.PouvoirAuHasard());
    return AjouterPouvoir(oPartie, oReserves.at(oPartie.Entier(oReserves.size())));
}

QString Coche(Partie& oPartie)
{
    const LigneTiree oLigne = oPartie.LigneAuHasard();
    if (oLigne.mpoLigne == nullptr)
        return QStringLiteral("look for a row to check: there is none");
    Joueur::Cocher(oLigne.mpoLigne);
    return QStringLiteral("click the check box of ") + oLigne.Libelle();
}

// The most PA that removing these talents leaves, whatever their order; none for more talents than is quick to try.
std::optional<int> MeilleurOrdre(const Personnage& oPerso, std::vector<std::string> oNoms)
{
    if (oNoms.size() > 5)
        return std::nullopt;
    std::sort(oNoms.begin(), oNoms.end());
    int nMeilleur = INT_MIN;
    do
    {
        const std::unique_ptr<Personnage> poEssai = Creer(oPerso.GetCamp());
        poEssai->Restaurer(oPerso.GetEtat());
        for (const std::string& oNom : oNoms)
            poEssai->EnleverTalentBase(oNom);
        nMeilleur = std::max(nMeilleur, poEssai->GetPA());
    } while (std::next_permutation(oNoms.begin(), oNoms.end()));
    return nMeilleur;
}

// One press removes every checked row of its column, but a speciality whose general talent the character
// holds; only what the checked rows show may go, and no order of the same removals leaves more PA.
QString Enlever(Partie& oPartie, bool bTalent)
{
    Fiche& oFiche = oPartie.Feuille();
    QPushButton* poBouton = bTalent ? oFiche.RemoveTalent : oFiche.RemovePouvoir;
    const QVBoxLayout* poColonne = bTalent ? oFiche.vboxLayout1 : oFiche.vboxLayout;
    Personnage& oPerso = *oFiche.GetPerso();
    QStringList oGardees;
    std::vector<std::string> oCoches;
    for (const PouvoirTalentWidget* poLigne : Lignes(poColonne))
    {
        if (!poLigne->IsChecked())
            continue;
        oCoches.push_back(poLigne->GetName());
        const QString oNom = QString::fromStdString(poLigne->GetName());
        oPartie.Toucher(bTalent, oNom);
        Talent* poTalent = bTalent ? oPerso.GetTalent(poLigne->GetName()) : nullptr;
        if (poTalent != nullptr && oPerso.GetTalentGeneral(poTalent) != nullptr)
            oGardees << oNom;
    }
    const std::optional<int> nMeilleur = bTalent ? MeilleurOrdre(oPerso, oCoches) : std::nullopt;
    Joueur::Cliquer(poBouton);
    oPartie.Exiger(!nMeilleur || oFiche.GetPerso()->GetPA() >= *nMeilleur,
                   QStringLiteral("keep the %1 PA another order of the removals leaves").arg(nMeilleur.value_or(0)));
    for (const PouvoirTalentWidget* poLigne : Lignes(poColonne))
    {
        const QString oNom = QString::fromStdString(poLigne->GetName());
        oPartie.Exiger(!poLigne->IsChecked() || oGardees.contains(oNom),
                       QStringLiteral("remove the checked row ") + oNom);
    }
    return QStringLiteral("press ") + poBouton->text();
}

QString Superieur(Partie& oPartie)
{
    const QStringList oNoms = Entrees(oPartie.Feuille().SuperieurListe);
    const QString oNom = oNoms.at(oPartie.Entier(oNoms.size()));
    oPartie.ToucherSuperieur();
    oPartie.Exiger(Joueur::Choisir(oPartie.Feuille().SuperieurListe, oNom),
                   QStringLiteral("choose the superior ") + oNom);
    return QStringLiteral("choose superior ") + oNom;
}

// With the mouse, with Enter on the focused button, or with the keys wherever the cursor stands.
QString Defaire(Partie& oPartie, bool bRetablir)
{
    oPartie.ToucherTout();
    oPartie.Attendre(bRetablir ? 1 : -1);
    Fiche& oFiche = oPartie.Feuille();
    QPushButton* poBouton = bRetablir ? oFiche.Retablir : oFiche.Annuler;
    switch (oPartie.Entier(3))
    {
    case 0:
    {
        QWidget* poCase = oPartie.CaseAuHasard();
        poCase->setFocus(Qt::TabFocusReason);
        const QKeySequence oTouches = !bRetablir   ? QKeySequence(Qt::CTRL | Qt::Key_Z)
            : oPartie.PileOuFace() ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
                                   : QKeySequence(Qt::CTRL | Qt::Key_Y);
        QTest::keySequence(poCase, oTouches);
        return QStringLiteral("%1 in %2").arg(oTouches.toString(), poCase->objectName());
    }
    case 1:
        poBouton->setFocus(Qt::TabFocusReason);
        QTest::keyClick(poBouton, Qt::Key_Return);
        return QStringLiteral("Enter on ") + poBouton->text();
    default:
        Joueur::Cliquer(poBouton);
        return QStringLiteral("press ") + poBouton->text();
    }
}

// The first save asks for a name, and so does Save As; the next saves write the same file. With the mouse, or with
// the keys wherever the cursor stands.
QString Enregistrer(Partie& oPartie)
{
    Fiche& oFiche = oPartie.Feuille();
    Dialogues::SetProchainNom(oPartie.Fichier());
    QString oGeste = QStringLiteral("press Enregistrer");
    if (oPartie.PileOuFace())
        Joueur::Cliquer(oFiche.Enregistrer);
    else
    {
        QWidget* poCase = oPartie.CaseAuHasard();
        poCase->setFocus(Qt::TabFocusReason);
        const QKeySequence oTouches(oPartie.PileOuFace() ? Qt::CTRL | Qt::Key_S : Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QTest::keySequence(poCase, oTouches);
        oGeste = QStringLiteral("%1 in %2").arg(oTouches.toString(), poCase->objectName());
    }
    Dialogues::SetProchainNom(QString());
    oPartie.AttendreFichier(oPartie.Fichier());
    return oGeste;
}

// Opens the file saved last, letting the character on the sheet go.
QString Ouvrir(Partie& oPartie)
{
    if (!QFile::exists(oPartie.Fichier()))
        return Enregistrer(oPartie);
    Fiche& oFiche = oPartie.Feuille();
    oPartie.ToucherTout();
    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    Dialogues::SetProchainNom(oPartie.Fichier());
    Joueur::Cliquer(oFiche.Ouvrir);
    Dialogues::SetProchaineReponse(std::nullopt);
    // What the status line said was of the character that went.
    oPartie.Exiger(oFiche.BarreEtat->text().isEmpty(), QStringLiteral("see the status line cleared"));
    oPartie.Recommencer();
    oPartie.AttendreFichier(oPartie.Fichier());
    return QStringLiteral("press Ouvrir… and open the file");
}

// What the player does, and how often.
struct Geste
{
    int mnPoids;
    QString (*mpoJouer)(Partie& oPartie);
};

// A new character now and then, so that one grows for a hundred gestures or so.
const Geste kGestes[] = {
    {80, Fleche},
    {28, [](Partie& oPartie) { return Saisir(oPartie, Joueur::Taper, "type"); }},
    {8,  [](Partie& oPartie) { return Saisir(oPartie, Joueur::Coller, "paste"); }},
    {8,  [](Partie& oPartie) { return Saisir(oPartie, TaperPuisTab, "type then Tab out of"); }},
    {16, NouveauTalent},
    {12, [](Partie& oPartie) { return AjouterPouvoir(oPartie, oPartie.PouvoirAuHasard()); }},
    {4,  PouvoirDuSuperieur},
    {12, Coche},
    {4,  [](Partie& oPartie) { return Enlever(oPartie, true); }},
    {4,  [](Partie& oPartie) { return Enlever(oPartie, false); }},
    {6,  Superieur},
    {10, [](Partie& oPartie) { return Defaire(oPartie, false); }},
    {5,  [](Partie& oPartie) { return Defaire(oPartie, true); }},
    {3,  Enregistrer},
    {2,  Ouvrir},
    {1,  [](Partie& oPartie) { return oPartie.NouvelleFiche(true); }},
    {1,  [](Partie& oPartie) { return oPartie.NouvelleFiche(false); }},
};

QString Jouer(Partie& oPartie)
{
    int nTotal = 0;
    for (const Geste& oGeste : kGestes)
        nTotal += oGeste.mnPoids;
    int nTirage = oPartie.Entier(nTotal);
    for (const Geste& oGeste : kGestes)
    {
        if (nTirage < oGeste.mnPoids)
            return oGeste.mpoJouer(oPartie);
        nTirage -= oGeste.mnPoids;
    }
    return {};
}
}

class JeuAleatoireTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void EveryGestureLeavesTheSheetShowingALawfulCharacter_data();
    void EveryGestureLeavesTheSheetShowingALawfulCharacter();
};

void JeuAleatoireTest::initTestCase()
{
    gpoMessages = qInstallMessageHandler(FiltrerMessages);
}

void JeuAleatoireTest::cleanupTestCase()
{
    qInstallMessageHandler(gpoMessages);
}

void JeuAleatoireTest::EveryGestureLeavesTheSheetShowingALawfulCharacter_data()
{
    QTest::addColumn<quint32>("graine");

    const int nPremiere = Reglage("VEXAL_SHEETFUZZ_PREMIERE_GRAINE", 1);
    const int nGraines = Reglage("VEXAL_SHEETFUZZ_GRAINES", 50);
    for (int n = nPremiere; n < nPremiere + nGraines; ++n)
        QTest::addRow("seed %d", n) << static_cast<quint32>(n);
}

void JeuAleatoireTest::EveryGestureLeavesTheSheetShowingALawfulCharacter()
{
    QFETCH(quint32, graine);
    const int nGestes = Reglage("VEXAL_SHEETFUZZ_GESTES", 400);
    const auto poDepart = OuvrirDepart();
    QVERIFY(poDepart);
    Partie oPartie(*poDepart, graine);

    QStringList oJournal;
    for (int n = 1; n <= nGestes; ++n)
    {
        const QString oGeste = n == 1 ? oPartie.NouvelleFiche(oPartie.PileOuFace()) : Jouer(oPartie);
        oJournal << QStringLiteral("%1. %2").arg(n).arg(oGeste);
        const QString oEcarts = oPartie.Verifier();
        if (!oEcarts.isEmpty())
        {
            QFAIL(qPrintable(QStringLiteral("seed %1, gesture %2: %3\nThe gestures so far:\n%4")
                                 .arg(graine)
                                 .arg(n)
                                 .arg(oEcarts, oJournal.join(QLatin1Char('\n')))));
        }
    }
}

QTEST_MAIN(JeuAleatoireTest)
#include "JeuAleatoireTest.moc"
