#include "DocumentPersonnage.h"

#include "CopieRecuperation.h"
#include "NomFichier.h"
#include "Recuperations.h"
#include "VersionFichiers.h"
#include "catalogue/Superieurs.h"
#include "disque/FichierAtomique.h"
#include "fichier/FichierPersonnage.h"
#include "fichier/PageEmbarquee.h"
#include "journal/Achats.h"
#include "model/Personnage.h"
#include "model/Texte.h"

#include <QDate>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <QUndoStack>

#include <algorithm>
#include <climits>
#include <utility>

namespace
{
// Typing a name letter by letter is one step, and so is setting the total PA by hand, arrow after arrow.
constexpr int kFusionNom = 1;
constexpr int kFusionTotal = 2;

// Half points travel to the character as whole steps, the fraction dropped; a difference no int holds is as far as
// an int goes, which the rules refuse whole.
int EnDemiPoints(double fDifference)
{
    return static_cast<int>(std::clamp(fDifference * 2, double(INT_MIN), double(INT_MAX)));
}

QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

// What the journal says of an accepted change, after what the rules said of it.
QString ApresRemarques(const Personnage& oPerso, const std::string& oJournal)
{
    QStringList oTextes;
    for (const std::string& oRemarque : oPerso.GetRemarques())
        oTextes << Texte(oRemarque);
    oTextes << Texte(oJournal);
    return oTextes.join(QStringLiteral(" ; "));
}

bool Tient(const std::vector<Niveau>& oTenus, const std::string& oNom)
{
    const auto oTrouve = std::lower_bound(oTenus.begin(), oTenus.end(), oNom,
                                          [](const Niveau& oNiveau, const std::string& o) { return oNiveau.moNom < o; });
    return oTrouve != oTenus.end() && oTrouve->moNom == oNom;
}

// The names still held keep their places; those newly held follow, in name order, so that a general talent
// comes just before its speciality.
std::vector<std::string> Suite(const std::vector<std::string>& oOrdre, const std::vector<Niveau>& oTenus)
{
    std::vector<std::string> oSuite;
    for (const std::string& oNom : oOrdre)
    {
        if (Tient(oTenus, oNom))
            oSuite.push_back(oNom);
    }
    if (oSuite.size() == oTenus.size())
        return oSuite;
    std::vector<std::string> oRanges = oSuite;
    std::sort(oRanges.begin(), oRanges.end());
    for (const Niveau& oTenu : oTenus)
    {
        if (!std::binary_search(oRanges.begin(), oRanges.end(), oTenu.moNom))
            oSuite.push_back(oTenu.moNom);
    }
    return oSuite;
}

bool MemesNoms(const std::vector<std::string>& oOrdre, const std::vector<Niveau>& oTenus)
{
    return oOrdre.size() == oTenus.size()
        && std::all_of(oOrdre.begin(), oOrdre.end(), [&oTenus](const std::string& oNom) { return Tient(oTenus, oNom); });
}

OrdrePartage Ordonner(const OrdrePartage& poOrdre, const EtatPersonnage& oEtat)
{
    if (poOrdre && MemesNoms(poOrdre->moTalents, oEtat.moTalents) && MemesNoms(poOrdre->moPouvoirs, oEtat.moPouvoirs))
        return poOrdre;
    const OrdreLignes oVide;
    const OrdreLignes& oAvant = poOrdre ? *poOrdre : oVide;
    return std::make_shared<const OrdreLignes>(
        OrdreLignes{Suite(oAvant.moTalents, oEtat.moTalents), Suite(oAvant.moPouvoirs, oEtat.moPouvoirs)});
}
}

DocumentPersonnage::DocumentPersonnage(QObject* poParent)
    : QObject(poParent),
      mpoPile(new QUndoStack(this)),
      mpoCopie(new CopieRecuperation(this))
{
    mpoPile->setUndoLimit(kPasMax);
    connect(mpoPile, &QUndoStack::cleanChanged, this, &DocumentPersonnage::PropreChange);
    // The recovery copy follows every step, and goes once the character is back to its file.
    connect(mpoPile, &QUndoStack::indexChanged, this, &DocumentPersonnage::SuivreCopie);
    connect(mpoPile, &QUndoStack::cleanChanged, this, &DocumentPersonnage::SuivreCopie);
    connect(this, &DocumentPersonnage::Annonce, this, [this](const QString& oTexte, bool bRefus) {
        moAnnonce = oTexte;
        mbAnnonceRefus = bRefus;
    });
    connect(mpoCopie, &CopieRecuperation::Echec, this, [this](const QString& oRaison) {
        emit Annonce(tr("La copie de récupération ne peut pas être écrite : %1 ; enregistrez le personnage").arg(oRaison),
                     true);
    });
}

DocumentPersonnage::~DocumentPersonnage()
{
    // The stack empties itself as it goes: a character that goes unasked keeps its recovery copy.
    mpoPile->blockSignals(true);
}

bool DocumentPersonnage::EstModifie() const
{
    return mpoPerso && !mbLache && !mpoPile->isClean();
}

std::optional<double> DocumentPersonnage::ScoreTalent(const std::string& oNom) const
{
    const Talent* poTalent = mpoPerso ? mpoPerso->TrouverTalent(oNom) : nullptr;
    if (poTalent == nullptr)
        return std::nullopt;
    return mpoPerso->Score(*poTalent);
}

std::optional<double> DocumentPersonnage::NiveauPouvoir(const std::string& oNom) const
{
    const Pouvoir* poPouvoir = mpoPerso ? mpoPerso->TrouverPouvoir(oNom) : nullptr;
    return poPouvoir ? std::optional<double>(poPouvoir->GetNiveau()) : std::nullopt;
}

QString DocumentPersonnage::Extension()
{
    return QString::fromLatin1(FichierPersonnage::kExtension + 1);
}

const std::vector<std::string>& DocumentPersonnage::Superieurs(PERSO eCamp)
{
    return ListeSuperieurs(eCamp);
}

void DocumentPersonnage::Remplacer(Personnage* poPerso)
{
    if (poPerso == nullptr)
        return;
    if (poPerso == mpoPerso.get())
    {
        emit Change(*mpoEtat);
        return;
    }
    const EtatPersonnage oEtat = poPerso->GetEtat();
    Prendre(std::unique_ptr<Personnage>(poPerso), Journaux::Commencer(oEtat, Aujourdhui()), QString(), nullptr,
            Empreinte(), std::nullopt);
}

QString DocumentPersonnage::Ouvrir(const QString& oNom, std::unique_ptr<QLockFile> poVerrou)
{
    const QString oFichier = NomFichier::Canonique(oNom);
    const QByteArray oOctets = NomFichier::Octets(oFichier);
    // What a save cut short by a crash left beside the file goes.
    NettoyerTemporaires(oOctets.constData());
    // Taken before the file is read: a write that slips in between is taken for somebody else's.
    const Empreinte oEmpreinte = EmpreinteDe(oOctets.constData());
    std::string oErreur;
    std::string oTexte;
    Dossier oDossier;
    std::unique_ptr<Personnage> poPerso = FichierPersonnage::Ouvrir(oOctets.constData(), oErreur, &oDossier, &oTexte);
    if (!poPerso)
        return Texte(oErreur);
    if (PageEmbarquee::EstPage(oTexte))
        return PrendreDePage(std::move(poPerso), std::move(oDossier.moJournal));
    Prendre(std::move(poPerso), std::move(oDossier.moJournal), oFichier, std::move(poVerrou), oEmpreinte,
            VersionDe(oEmpreinte, oTexte));
    if (oDossier.mnVersionLue < FichierPersonnage::kVersion)
        emit Annonce(tr("Fichier de version %1 : il sera enregistré en version %2, l'ancien gardé à côté en « %3~ »")
                         .arg(oDossier.mnVersionLue)
                         .arg(FichierPersonnage::kVersion)
                         .arg(QFileInfo(oFichier).fileName()),
                     false);
    return {};
}

QString DocumentPersonnage::PrendreDePage(std::unique_ptr<Personnage> poPerso, Journal oJournal)
{
    // Saved in its place, the character would take the page's: it comes without a file, as a new one.
    Prendre(std::move(poPerso), std::move(oJournal), QString(), nullptr, Empreinte(), std::nullopt);
    emit Annonce(tr("Personnage repris d'une page web : enregistrez-le sous un nom pour le garder en fiche VEXAL"),
                 false);
    return {};
}

QString DocumentPersonnage::Enregistrer(const QString& oNom, std::unique_ptr<QLockFile> poVerrou,
                                        QString* poAvertissement)
{
    if (!mpoPerso)
        return tr("aucun personnage à enregistrer");
    const QString oFichier = NomFichier::Canonique(oNom);
    const QByteArray oOctets = NomFichier::Octets(oFichier);
    std::string oErreur;
    std::string oTexte;
    std::string oAvertissement;
    if (!FichierPersonnage::Enregistrer(*mpoPerso, *mpoJournal, oOctets.constData(), oErreur, &oTexte,
                                        &oAvertissement))
        return Texte(oErreur);
    if (poAvertissement != nullptr)
        *poAvertissement = Texte(oAvertissement);
    if (oFichier != moLien.Nom())
    {
        // Another program holding the new file's lock will hear of this save when it saves itself.
        if (!poVerrou)
            poVerrou = std::move(LienFichier::Verrouiller(oFichier).mpoFichier);
        moLien.Attacher(oFichier, std::move(poVerrou), Empreinte(), std::nullopt);
        emit FichierChange(oFichier);
    }
    moLien.Noter(oTexte);
    mpoPile->setClean();
    return {};
}

QString DocumentPersonnage::Recuperer(CopieOrpheline& oCopie, std::unique_ptr<QLockFile> poVerrou)
{
    std::string oErreur;
    std::unique_ptr<Personnage> poPerso = FichierPersonnage::Creer({*oCopie.moEtat, oCopie.moJournal}, oErreur);
    if (!poPerso)
        return Texte(oErreur);
    // A copy that cannot go back to its file leaves it alone: the character comes back as a new one.
    const bool bSansFichier = !oCopie.moRaisonOrigine.isEmpty();
    const std::string oOrigine = bSansFichier ? std::string() : oCopie.moOrigine.moNom;
    const QString oFichier = NomFichier::Canonique(NomFichier::DepuisOctets(QByteArray::fromStdString(oOrigine)));
    // Saving over a file somebody wrote since the copy's edits began asks first, as over any change on disk.
    const Empreinte oEmpreinte = oCopie.mbOrigineChangee ? Empreinte() : EmpreinteDe(oOrigine.c_str());
    Prendre(std::move(poPerso), oCopie.moJournal, oFichier, std::move(poVerrou), oEmpreinte,
            bSansFichier ? std::nullopt : oCopie.moOrigine.moVersion);
    mpoCopie->Adopter(oCopie.moChemin, std::move(oCopie.mpoVerrou));
    // What the copy holds was never saved.
    mpoPile->resetClean();
    emit Annonce(bSansFichier ? tr("Personnage récupéré sans fichier, car %1 : enregistrez-le sous un nom pour garder "
                                   "ses modifications")
                                    .arg(oCopie.moRaisonOrigine)
                              : tr("Personnage récupéré : enregistrez-le pour garder ses modifications"),
                 false);
    return {};
}

void DocumentPersonnage::RelacherVerrou()
{
    if (!EstModifie())
        moLien.Relacher();
}

void DocumentPersonnage::ReprendreVerrou()
{
    const Verrou oVerrou = moLien.Reprendre();
    if (!oVerrou.moQui.isEmpty())
        emit Annonce(tr("« %1 » est maintenant ouvert aussi dans %2 : chacun pourrait effacer ce que l'autre "
                        "enregistre")
                         .arg(moLien.Nom(), oVerrou.moQui),
                     true);
    else if (!oVerrou.moRaison.isEmpty())
        emit Annonce(RaisonSansVerrou(oVerrou.moRaison), false);
}

QString DocumentPersonnage::RaisonSansVerrou(const QString& oRaison)
{
    return tr("Pas de verrou : %1 ; un autre VEXAL qui ouvrirait ce fichier ne serait pas prévenu").arg(oRaison);
}

void DocumentPersonnage::Lacher()
{
    mbLache = true;
    mpoCopie->Retirer();
}

void DocumentPersonnage::Revenir()
{
    if (mpoPile->cleanIndex() < 0)
        Lacher();
    else
        mpoPile->setIndex(mpoPile->cleanIndex());
}

void DocumentPersonnage::ChangerCaracteristique(CARACT eCaract, double fValeur)
{
    Editer(QString::fromUtf8(NomCaracteristique(eCaract)), [&](Personnage& oPerso) {
        const int d = EnDemiPoints(fValeur - oPerso.GetCaract(eCaract));
        if (d <= 0)
            oPerso.BaisserCaracteristique(eCaract, -d);
        else
            oPerso.AugmenteCaracteristique(eCaract, d);
    }, Revoir::Toujours);
}

void DocumentPersonnage::ChangerPP(int nPP)
{
    Editer(tr("PP"), [nPP](Personnage& oPerso) {
        const int p = oPerso.GetPPValue();
        if (nPP - p <= 0)
            oPerso.DiminuerPP(p - nPP);
        else
            oPerso.AugmenterPP(nPP - p);
    }, Revoir::Toujours);
}

void DocumentPersonnage::ChangerTotalPA(int nTotal)
{
    // With "Création" alone, each change is a step of its own, as any other box's.
    const bool bAjustement = mpoJournal && mpoJournal->size() > 1;
    const bool bFusion = bAjustement && Fusionnable(kFusionTotal);
    const JournalPartage poAvant = mpoJournal;
    EditerJournal(tr("Total PA"), [&](Personnage& oPerso, Journal& oJournal) {
        return Journaux::Ajuster(oPerso, oJournal, nTotal, Aujourdhui(), bFusion);
    }, bAjustement ? kFusionTotal : -1);
    if (!poAvant || mpoJournal == poAvant)
        return;
    const std::string oAjustement = Journaux::DireAjustement(*poAvant, *mpoJournal);
    if (!oAjustement.empty())
        emit Annonce(ApresRemarques(*mpoPerso, oAjustement), false);
}

void DocumentPersonnage::ChangerGrade(int nGrade)
{
    Editer(tr("Grade"), [nGrade](Personnage& oPerso) { oPerso.SetGrade(nGrade); }, Revoir::Toujours);
}

void DocumentPersonnage::ChoisirSuperieur(const std::string& oNom)
{
    Editer(tr("Supérieur"), [&oNom](Personnage& oPerso) { oPerso.SetSuperieur(oNom); }, Revoir::Toujours);
}

void DocumentPersonnage::AjouterTalent(const std::string& oNom)
{
    if (!mpoPerso)
        return;
    const ListeTalents::Map* poCatalogue = mpoPerso->GetListeDesTalents();
    const auto oRecord = poCatalogue->find(oNom);
    if (oRecord == poCatalogue->end())
        return;
    if (mpoPerso->TrouverTalent(oNom) != nullptr)
    {
        emit Annonce(tr("%1 est déjà acquis").arg(Texte(oNom)), true);
        return;
    }
    const Talent& oModele = *oRecord->second;
    Editer(tr("Ajout de %1").arg(Texte(oNom)), [&oModele](Personnage& oPerso) {
        oPerso.AjouterTalentBase(oModele.GetName(), oModele.GetPriorite(), oModele.GetCaractBase());
    }, Revoir::SiChange);
}

void DocumentPersonnage::AjouterPouvoir(const std::string& oNom)
{
    Editer(tr("Ajout de %1").arg(Texte(oNom)), [&oNom](Personnage& oPerso) { oPerso.AjouterPouvoirBase(oNom); },
           Revoir::SiChange);
}

void DocumentPersonnage::EnleverTalents(const std::vector<std::string>& oNoms)
{
    Editer(tr("Retrait de talents"), [&oNoms](Personnage& oPerso) {
        // A talent given back in PA takes back the PA secondaire it earned, converting PA when they were spent.
        const auto Rang = [&oPerso](const std::string& oNom) {
            Talent* poTalent = oPerso.GetTalent(oNom);
            if (poTalent == nullptr)
                return 0;
            return (poTalent->GetPriorite() == SECONDAIRE ? 0 : 2) + (oPerso.GetTalentGeneral(poTalent) ? 1 : 0);
        };
        std::vector<std::pair<int, std::string>> oOrdre;
        for (const std::string& oNom : oNoms)
            oOrdre.emplace_back(Rang(oNom), oNom);
        std::stable_sort(oOrdre.begin(), oOrdre.end(),
                         [](const auto& oGauche, const auto& oDroite) { return oGauche.first < oDroite.first; });
        for (const auto& oTalent : oOrdre)
            oPerso.EnleverTalentBase(oTalent.second);
    }, Revoir::SiChange);
}

void DocumentPersonnage::EnleverPouvoirs(const std::vector<std::string>& oNoms)
{
    Editer(tr("Retrait de pouvoirs"), [&oNoms](Personnage& oPerso) {
        for (const std::string& oNom : oNoms)
            oPerso.EnleverPouvoirBase(oNom);
    }, Revoir::SiChange);
}

void DocumentPersonnage::ChangerScoreTalent(const std::string& oNom, double fScore)
{
    Editer(tr("Talents"), [&](Personnage& oPerso) {
        const Talent* poTalent = oPerso.TrouverTalent(oNom);
        if (poTalent == nullptr)
            return;
        // The score shown holds the characteristic's bonus, which moves the level as much as the score.
        const double fActuel = oPerso.Score(*poTalent);
        if (fScore < fActuel)
            oPerso.DiminuerTalent(oNom, EnDemiPoints(fActuel - fScore));
        else
            oPerso.AugmenterTalent(oNom, EnDemiPoints(fScore - fActuel));
    }, Revoir::Toujours);
}

void DocumentPersonnage::ChangerNiveauPouvoir(const std::string& oNom, double fNiveau)
{
    Editer(tr("Pouvoirs"), [&](Personnage& oPerso) {
        const Pouvoir* poPouvoir = oPerso.GetPouvoir(oNom);
        if (poPouvoir == nullptr)
            return;
        if (fNiveau - poPouvoir->GetNiveau() < 0)
            oPerso.DiminuerPouvoir(oNom, EnDemiPoints(poPouvoir->GetNiveau() - fNiveau));
        else
            oPerso.AugmenterPouvoir(oNom, EnDemiPoints(fNiveau - poPouvoir->GetNiveau()));
    }, Revoir::Toujours);
}

void DocumentPersonnage::ChangerNom(const std::string& oNom)
{
    Editer(tr("Nom"), [&oNom](Personnage& oPerso) { oPerso.SetNom(oNom); }, Revoir::Toujours, kFusionNom);
}

void DocumentPersonnage::ChangerNotes(const std::string& oNotes)
{
    Editer(tr("Notes"), [&oNotes](Personnage& oPerso) { oPerso.SetNotes(oNotes); }, Revoir::Toujours);
}

void DocumentPersonnage::Accorder(const std::string& oDate, int nPA, const std::string& oRaison)
{
    EditerJournal(tr("Attribution de %1 PA").arg(nPA), [&](Personnage& oPerso, Journal& oJournal) {
        return Journaux::Accorder(oPerso, oJournal, oDate, nPA, oRaison);
    });
}

void DocumentPersonnage::RetirerAttribution(std::size_t nAttribution)
{
    if (!mpoPerso)
        return;
    const JournalPartage poAvant = mpoJournal;
    const std::string oReport = DireRetrait(*mpoPerso, *poAvant, nAttribution, *mpoEtat);
    EditerJournal(tr("Retrait d'une attribution"), [nAttribution](Personnage& oPerso, Journal& oJournal) {
        return Journaux::Retirer(oPerso, oJournal, nAttribution);
    });
    if (mpoJournal != poAvant && !oReport.empty())
        emit Annonce(ApresRemarques(*mpoPerso, oReport), false);
}

void DocumentPersonnage::ChangerDate(std::size_t nAttribution, const std::string& oDate)
{
    EditerJournal(tr("Date d'une attribution"), [&](Personnage&, Journal& oJournal) {
        if (nAttribution >= oJournal.size())
            return std::string();
        std::string oRaison = Journaux::RaisonDate(oJournal, nAttribution, oDate);
        if (oRaison.empty())
            oJournal[nAttribution].moDate = oDate;
        return oRaison;
    });
}

void DocumentPersonnage::ChangerRaison(std::size_t nAttribution, const std::string& oRaison)
{
    EditerJournal(tr("Raison d'une attribution"), [&](Personnage&, Journal& oJournal) {
        if (nAttribution < oJournal.size())
            oJournal[nAttribution].moRaison = oRaison;
        return std::string();
    });
}

std::string DocumentPersonnage::Aujourdhui()
{
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

std::optional<std::string> DocumentPersonnage::TexteAvecAttribution(const std::string& oDate, int nPA,
                                                                    const std::string& oRaison, QString& oRefus) const
{
    if (!mpoPerso)
        return std::nullopt;
    // The award is tried on a copy: the character shown stays as it is until every file is written.
    std::string oErreur;
    Dossier oDossier{*mpoEtat, *mpoJournal};
    std::unique_ptr<Personnage> poCopie = FichierPersonnage::Creer(oDossier, oErreur);
    if (poCopie)
        oErreur = Journaux::Accorder(*poCopie, oDossier.moJournal, oDate, nPA, oRaison);
    oRefus = Texte(oErreur);
    if (!oErreur.empty())
        return std::nullopt;
    return FichierPersonnage::Ecrire(Dossier{poCopie->GetEtat(), oDossier.moJournal});
}

void DocumentPersonnage::AccorderEnregistre(const std::string& oDate, int nPA, const std::string& oRaison,
                                            const std::string& oTexte)
{
    Accorder(oDate, nPA, oRaison);
    NoterFichier(oTexte);
    mpoPile->setClean();
}

QString DocumentPersonnage::RaisonIndisponible()
{
    const Verrou oVerrou = moLien.Reprendre();
    if (!oVerrou.moQui.isEmpty())
        return tr("« %1 » est ouvert dans un autre VEXAL : %2").arg(moLien.Nom(), oVerrou.moQui);
    if (moLien.ChangeSurDisque())
        return tr("« %1 » a été modifié sur le disque depuis qu'il a été lu").arg(moLien.Nom());
    return {};
}

bool DocumentPersonnage::Fusionnable(int nFusion) const
{
    const int nHaut = mpoPile->index();
    return nHaut > 0 && nHaut == mpoPile->count() && nHaut != mpoPile->cleanIndex()
        && mpoPile->command(nHaut - 1)->id() == nFusion;
}

void DocumentPersonnage::EditerJournal(const QString& oTexte,
                                       const std::function<std::string(Personnage&, Journal&)>& fEdition, int nFusion)
{
    if (!mpoPerso)
        return;
    mpoPerso->OublierRaisons();
    Journal oJournal = *mpoJournal;
    const std::string oRefus = fEdition(*mpoPerso, oJournal);
    if (!oRefus.empty())
    {
        emit Annonce(Texte(oRefus), true);
        emit Change(*mpoEtat);
        return;
    }
    AnnoncerRaisons();
    const Instantane oAvant{mpoEtat, mpoOrdre, mpoJournal};
    if (oJournal == *mpoJournal)
        return;
    mpoEtat = std::make_shared<const EtatPersonnage>(mpoPerso->GetEtat());
    mpoJournal = std::make_shared<const Journal>(std::move(oJournal));
    Pousser(oTexte, oAvant, nFusion);
    emit Change(*oAvant.mpoEtat);
}

void DocumentPersonnage::Pousser(const QString& oTexte, const Instantane& oAvant, int nFusion)
{
    mpoPile->push(new CommandeEdition(oTexte, oAvant, {mpoEtat, mpoOrdre, mpoJournal}, *this, nFusion));
}

void DocumentPersonnage::Editer(const QString& oTexte, const std::function<void(Personnage&)>& fEdition,
                                Revoir eRevoir, int nFusion)
{
    if (!mpoPerso)
        return;
    mpoPerso->OublierRaisons();
    fEdition(*mpoPerso);
    AnnoncerRaisons();
    auto poApres = std::make_shared<const EtatPersonnage>(mpoPerso->GetEtat());
    const bool bChange = *poApres != *mpoEtat;
    const Instantane oAvant{mpoEtat, mpoOrdre, mpoJournal};
    if (bChange)
    {
        mpoEtat = std::move(poApres);
        mpoOrdre = Ordonner(mpoOrdre, *mpoEtat);
        Pousser(oTexte, oAvant, nFusion);
    }
    if (bChange || eRevoir == Revoir::Toujours)
        emit Change(*oAvant.mpoEtat);
}

void DocumentPersonnage::Restaurer(const Instantane& oInstantane)
{
    // Every state on the stack came from this character, and the character takes it back as it gave it.
    mpoPerso->Restaurer(*oInstantane.mpoEtat);
    const EtatPartage poAvant = std::exchange(mpoEtat, oInstantane.mpoEtat);
    mpoOrdre = oInstantane.mpoOrdre;
    mpoJournal = oInstantane.mpoJournal;
    emit Annonce(QString(), false);
    emit Change(*poAvant);
}

void DocumentPersonnage::Prendre(std::unique_ptr<Personnage> poPerso, Journal oJournal, const QString& oFichier,
                                 std::unique_ptr<QLockFile> poVerrou, const Empreinte& oEmpreinte,
                                 std::optional<FichierPersonnage::VersionFichier> oVersion)
{
    const EtatPersonnage oAvant = mpoEtat ? *mpoEtat : EtatPersonnage();
    mpoPerso = std::move(poPerso);
    mpoJournal = std::make_shared<const Journal>(std::move(oJournal));
    mpoEtat = std::make_shared<const EtatPersonnage>(mpoPerso->GetEtat());
    mpoOrdre = Ordonner(nullptr, *mpoEtat);
    // Another character starts with nothing to undo, tied to its own file or to none.
    mpoPile->clear();
    mbLache = false;
    const bool bAutreFichier = oFichier != moLien.Nom();
    moLien.Attacher(oFichier, std::move(poVerrou), oEmpreinte, std::move(oVersion));
    emit PersoRemplace();
    emit Annonce(QString(), false);
    emit Change(oAvant);
    if (bAutreFichier)
        emit FichierChange(oFichier);
}

void DocumentPersonnage::AnnoncerRaisons()
{
    QStringList oTextes;
    const std::string& oRaison = mpoPerso->GetRaison();
    if (!oRaison.empty())
        oTextes << Texte(oRaison);
    for (const std::string& oRemarque : mpoPerso->GetRemarques())
        oTextes << Texte(oRemarque);
    emit Annonce(oTextes.join(QStringLiteral(" ; ")), !oRaison.empty());
}

void DocumentPersonnage::SuivreCopie()
{
    if (mpoPile->isClean())
        mpoCopie->Retirer();
    else
    {
        mbLache = false;
        mpoCopie->Noter(mpoEtat, mpoJournal, {NomFichier::Octets(moLien.Nom()).toStdString(), moLien.Version()});
    }
}
