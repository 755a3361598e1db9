#include "AccordTable.h"

#include "DocumentPersonnage.h"
#include "NomFichier.h"
#include "disque/FichierAtomique.h"
#include "disque/LectureFichier.h"
#include "fichier/FichierPersonnage.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace
{
QString Tr(const char* oTexte)
{
    return QCoreApplication::translate("AccordTable", oTexte);
}

// A file as it stood before the award, and its "~": put back whole if a later write fails.
class Sauvegarde
{
public:
    explicit Sauvegarde(const QString& oFichier)
        : moNom(NomFichier::Octets(oFichier).toStdString()),
          moAncien(Lire(moNom)),
          moSecours(Lire(moNom + "~"))
    {
    }

    const std::optional<std::string>& Ancien() const { return moAncien; }

    // Why the file or its "~" could not be put back; empty when both were.
    std::string Remettre() const
    {
        std::string oRaison;
        if (moAncien && !RemplacerFichier(moNom.c_str(), *moAncien, &oRaison))
            return oRaison;
        const std::string oSecours = moNom + "~";
        if (moSecours && !RemplacerFichier(oSecours.c_str(), *moSecours, &oRaison))
            return oRaison;
        if (!moSecours)
            ::unlink(oSecours.c_str());
        return {};
    }

private:
    static std::optional<std::string> Lire(const std::string& oNom)
    {
        std::string oRaison;
        return LireFichier(oNom.c_str(), FichierPersonnage::kTailleMax, oRaison);
    }

    std::string moNom;
    std::optional<std::string> moAncien;
    std::optional<std::string> moSecours;
};

IssueAttribution Refus(const QString& oMessage)
{
    return {false, oMessage};
}
}

IssueAttribution AccorderATous(const std::vector<PartAttribution>& oToutes, const std::string& oDate,
                               const std::string& oRaison)
{
    // A character named twice gets one award.
    std::vector<PartAttribution> oParts;
    for (const PartAttribution& oPart : oToutes)
    {
        const bool bDeja = oPart.mpoDocument && std::any_of(oParts.begin(), oParts.end(), [&](const PartAttribution& o) {
                               return o.mpoDocument == oPart.mpoDocument;
                           });
        if (!bDeja)
            oParts.push_back(oPart);
    }
    // Everything is asked before anything is written.
    std::vector<std::string> oTextes;
    for (const PartAttribution& oPart : oParts)
    {
        if (!oPart.mpoDocument || !oPart.mpoDocument->GetPerso())
            return Refus(Tr("« %1 » ne peut pas être lu : %2").arg(oPart.moFichier, oPart.moRaison));
        DocumentPersonnage& oDocument = *oPart.mpoDocument;
        if (!oDocument.EstModifie())
        {
            if (const QString oIndisponible = oDocument.RaisonIndisponible(); !oIndisponible.isEmpty())
                return Refus(oIndisponible);
        }
        QString oRefus;
        const std::optional<std::string> oTexte = oDocument.TexteAvecAttribution(oDate, oPart.mnPA, oRaison, oRefus);
        if (!oTexte)
            return Refus(Tr("« %1 » : %2").arg(oPart.moFichier, oRefus));
        oTextes.push_back(*oTexte);
    }

    std::vector<std::pair<DocumentPersonnage*, Sauvegarde>> oEcrits;
    for (std::size_t n = 0; n < oParts.size(); ++n)
    {
        DocumentPersonnage& oDocument = *oParts[n].mpoDocument;
        if (oDocument.EstModifie())
            continue;
        oEcrits.emplace_back(&oDocument, Sauvegarde(oDocument.GetFichier()));
        const QByteArray oNom = NomFichier::Octets(oDocument.GetFichier());
        std::string oErreur;
        Remplacement oOptions;
        oOptions.mbCopieDeSecours = true;
        if (RemplacerFichier(oNom.constData(), oTextes[n], &oErreur, oOptions))
            continue;
        oEcrits.pop_back();
        QString oMessage = Tr("Impossible d'enregistrer « %1 » : %2. Personne n'a reçu l'attribution")
                               .arg(oDocument.GetFichier(), QString::fromStdString(oErreur));
        if (!oEcrits.empty())
            oMessage += Tr(" : les fichiers déjà écrits ont été remis comme avant");
        for (const auto& [poEcrit, oSauvegarde] : oEcrits)
        {
            if (const std::string oPasRemis = oSauvegarde.Remettre(); !oPasRemis.empty())
                oMessage += Tr(", sauf « %1 » (%2)").arg(poEcrit->GetFichier(), QString::fromStdString(oPasRemis));
            else if (oSauvegarde.Ancien())
                poEcrit->NoterFichier(*oSauvegarde.Ancien());
        }
        return Refus(oMessage);
    }

    QStringList oNonEnregistres;
    for (std::size_t n = 0; n < oParts.size(); ++n)
    {
        DocumentPersonnage& oDocument = *oParts[n].mpoDocument;
        if (!oDocument.EstModifie())
            oDocument.AccorderEnregistre(oDate, oParts[n].mnPA, oRaison, oTextes[n]);
        else
        {
            oDocument.Accorder(oDate, oParts[n].mnPA, oRaison);
            oNonEnregistres << oDocument.GetFichier();
        }
    }
    QString oMessage = oParts.size() == 1 ? Tr("Attribution accordée à 1 personnage")
                                          : Tr("Attribution accordée à %1 personnages").arg(oParts.size());
    if (!oNonEnregistres.isEmpty())
        oMessage += Tr(" ; ceux qui avaient des modifications en cours ne sont pas enregistrés : %1")
                        .arg(oNonEnregistres.join(QStringLiteral(", ")));
    return {true, oMessage};
}
