#include "PageHtml.h"

#include "ContenuFeuille.h"
#include "Html.h"
#include "StylePage.h"
#include "fichier/FichierPersonnage.h"
#include "fichier/PageEmbarquee.h"
#include "model/Personnage.h"

namespace
{
using Html::Echapper;
using Html::Element;

// Figures, each named: a screen reader reads the name with the figure.
std::string ListeCases(const std::vector<CaseFeuille>& oCases)
{
    std::string oListe = "<dl class=\"cases\">";
    for (const CaseFeuille& oCase : oCases)
        oListe += "<div>" + Element("dt", oCase.moLibelle) + Element("dd", oCase.moValeur) + "</div>";
    return oListe + "</dl>";
}

void Cases(std::string& oPage, const char* oId, const QString& oTitre, const std::vector<CaseFeuille>& oCases)
{
    const std::string oCle(oId);
    oPage += "<section aria-labelledby=\"" + oCle + "\"><h2 id=\"" + oCle + "\">" + Echapper(oTitre) + "</h2>\n"
        + ListeCases(oCases) + "</section>\n";
}

void Entete(std::string& oPage, const ContenuFeuille& oContenu)
{
    oPage += "<header>" + Element("h1", oContenu.moNom) + "\n"
        + ListeCases({{QStringLiteral("Camp"), oContenu.moCamp},
                      {QStringLiteral("Supérieur"), oContenu.moSuperieur},
                      {QStringLiteral("Grade"), oContenu.moGrade}})
        + "</header>\n";
}

// One table a group, its name as its caption, each row headed by the name it holds.
void Groupe(std::string& oPage, const GroupeFeuille& oGroupe)
{
    oPage += "<table>" + Element("caption", oGroupe.moTitre) + "<thead><tr><th scope=\"col\">Nom</th>"
        + Element("th", oGroupe.moTitreNiveau, "scope=\"col\" class=\"nombre\"")
        + Element("th", oGroupe.moTitreValeur, "scope=\"col\" class=\"nombre\"") + "</tr></thead>\n<tbody>";
    for (const LigneFeuille& oLigne : oGroupe.moLignes)
    {
        oPage += "<tr><th scope=\"row\">" + Echapper(oLigne.moNom);
        if (!oLigne.moMention.isEmpty())
            oPage += " " + Element("span", oLigne.moMention, "class=\"mention\"");
        oPage += "</th>" + Element("td", oLigne.moNiveau, "class=\"nombre\"")
            + Element("td", oLigne.moValeur, "class=\"nombre\"") + "</tr>\n";
    }
    oPage += "</tbody></table>\n";
}

void Groupes(std::string& oPage, const std::vector<GroupeFeuille>& oGroupes)
{
    oPage += "<section aria-labelledby=\"talents\"><h2 id=\"talents\">Talents et pouvoirs</h2>\n";
    if (oGroupes.empty())
        oPage += "<p>Aucun talent ni pouvoir.</p>\n";
    oPage += "<div class=\"groupes\">\n";
    for (const GroupeFeuille& oGroupe : oGroupes)
        Groupe(oPage, oGroupe);
    oPage += "</div></section>\n";
}

// The player's line breaks are kept as they were typed.
void Notes(std::string& oPage, const QStringList& oNotes)
{
    if (oNotes.isEmpty())
        return;
    oPage += "<section aria-labelledby=\"notes\"><h2 id=\"notes\">Notes</h2>\n"
        + Element("p", oNotes.join(QLatin1Char('\n')), "class=\"notes\"") + "</section>\n";
}

// Each award takes two rows, what it bought below the rest: a phone's screen has no room for four columns.
void Attributions(std::string& oPage, const std::vector<AttributionFeuille>& oJournal)
{
    oPage += "<section aria-labelledby=\"journal\"><h2 id=\"journal\">Journal</h2>\n<table class=\"journal\">"
             "<caption>Les PA accordés et ce que chaque attribution a acheté</caption>"
             "<thead><tr><th scope=\"col\">Date</th><th scope=\"col\" class=\"nombre\">PA</th>"
             "<th scope=\"col\">Raison</th></tr></thead>\n";
    for (const AttributionFeuille& oAttribution : oJournal)
        oPage += "<tbody><tr>" + Element("th", oAttribution.moDate, "scope=\"row\" class=\"date\"")
            + Element("td", oAttribution.moPA, "class=\"nombre\"") + Element("td", oAttribution.moRaison)
            + "</tr>\n<tr><td colspan=\"3\" class=\"achats\"><span class=\"mention\">Achats : </span>"
            + Echapper(oAttribution.moAchats) + "</td></tr></tbody>\n";
    oPage += "</table></section>\n";
}
}

std::string TextePage(const Personnage& oPerso, const Journal& oJournal)
{
    const ContenuFeuille oContenu = ContenuDe(oPerso, oJournal);
    const std::string oFichier = FichierPersonnage::Ecrire(Dossier{oPerso.GetEtat(), oJournal});
    std::string oPage;
    oPage.reserve(2 * oFichier.size() + 16384);
    oPage += "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
             "<meta name=\"generator\" content=\"VEXAL\">\n";
    oPage += Element("title", oContenu.moNom + QStringLiteral(" – personnage VEXAL")) + "\n";
    oPage += std::string("<style>") + StylePage() + "</style>\n</head>\n<body>\n<main>\n";
    Entete(oPage, oContenu);
    oPage += "<div class=\"chiffres\">\n";
    Cases(oPage, "points", QStringLiteral("PA"), oContenu.moPoints);
    Cases(oPage, "caracteristiques", QStringLiteral("Caractéristiques"), oContenu.moCaracteristiques);
    Cases(oPage, "derivees", QStringLiteral("PP et valeurs dérivées"), oContenu.moDerivees);
    oPage += "</div>\n";
    Groupes(oPage, oContenu.moGroupes);
    Notes(oPage, oContenu.moNotes);
    Attributions(oPage, oContenu.moJournal);
    oPage += "<footer>Fiche écrite par VEXAL. Ouverte dans VEXAL, cette page redonne le personnage lui-même.</footer>\n"
             "</main>\n";
    return oPage + PageEmbarquee::Embarquer(oFichier) + "\n</body>\n</html>\n";
}
