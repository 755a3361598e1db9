#include "LigneDeCommande.h"

#include "AccordTable.h"
#include "ChoixFichier.h"
#include "DocumentPersonnage.h"
#include "DocumentTable.h"
#include "Documents.h"
#include "FichierPage.h"
#include "FichierPdf.h"
#include "MyWidget.h"
#include "NomFichier.h"
#include "TableImprimee.h"
#include "disque/FichierAtomique.h"
#include "model/Personnage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>

namespace
{
// What the command line asks of the program decides which application it gets: work with no window needs no
// display, and a PDF needs only fonts, which Qt's offscreen platform has without any screen.
enum class Besoin
{
    Fenetre,
    Texte,
    Pdf,
    // A mistake on the command line: it is only reported, which needs no display either.
    Erreur,
    // A window, where no display can show one.
    SansAffichage
};

struct Option
{
    const char* moNom;
    bool mbLong;    // written --nom, else -n
    bool mbValeur;  // takes the next argument, unless given as --nom=valeur
    Besoin meBesoin;
};

constexpr Option kOptions[] = {
    {"export",   true,  true,  Besoin::Texte},
    {"pdf",      true,  true,  Besoin::Pdf},
    {"accorder", true,  true,  Besoin::Texte},
    {"raison",   true,  true,  Besoin::Texte},
    {"date",     true,  true,  Besoin::Texte},
    {"html",     true,  true,  Besoin::Texte},
    {"help",     true,  false, Besoin::Texte},
    {"version",  true,  false, Besoin::Texte},
    {"h",        false, false, Besoin::Texte},
    {"v",        false, false, Besoin::Texte},
};

// Qt's own for a graphical application, with one dash or two, which the application takes off the command line.
constexpr Option kOptionsQt[] = {
    {"platform",        false, true,  Besoin::Fenetre}, {"platformpluginpath", false, true, Besoin::Fenetre},
    {"platformtheme",   false, true,  Besoin::Fenetre}, {"plugin",             false, true, Besoin::Fenetre},
    {"qmljsdebugger",   false, true,  Besoin::Fenetre}, {"qwindowgeometry",    false, true, Besoin::Fenetre},
    {"qwindowicon",     false, true,  Besoin::Fenetre}, {"qwindowtitle",       false, true, Besoin::Fenetre},
    {"reverse",         false, false, Besoin::Fenetre}, {"session",            false, true, Besoin::Fenetre},
    {"display",         false, true,  Besoin::Fenetre}, {"geometry",           false, true, Besoin::Fenetre},
    {"style",           false, true,  Besoin::Fenetre}, {"stylesheet",         false, true, Besoin::Fenetre},
    {"widgetcount",     false, false, Besoin::Fenetre},
};

const Option* Trouver(const std::string& oNom, bool bLong)
{
    for (const Option& oOption : kOptions)
    {
        if (oNom == oOption.moNom && bLong == oOption.mbLong)
            return &oOption;
    }
    for (const Option& oOption : kOptionsQt)
    {
        if (oNom == oOption.moNom)
            return &oOption;
    }
    return nullptr;
}

// A first look at the arguments, before any application exists; the parser reads them for good afterwards.
Besoin BesoinDe(int argc, char** argv)
{
    Besoin eBesoin = Besoin::Fenetre;
    // Without any of these, Qt would end the program in a crash rather than open a window.
    bool bAffichage = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    for (int n = 1; n < argc; ++n)
    {
        const std::string oArgument = argv[n];
        if (oArgument == "--")
            break;
        if (oArgument.size() < 2 || oArgument[0] != '-')
            continue;
        const bool bLong = oArgument[1] == '-';
        const std::size_t nEgal = oArgument.find('=');
        const std::size_t nDebut = bLong ? 2 : 1;
        const Option* poOption = Trouver(oArgument.substr(nDebut, nEgal - nDebut), bLong);
        if (poOption == nullptr)
            return Besoin::Erreur;
        bAffichage = bAffichage || std::string(poOption->moNom) == "platform";
        eBesoin = std::max(eBesoin, poOption->meBesoin);
        if (poOption->mbValeur && nEgal == std::string::npos)
            ++n;
    }
    return eBesoin == Besoin::Fenetre && !bAffichage ? Besoin::SansAffichage : eBesoin;
}

QtMessageHandler soMessages = nullptr;

// Setting Qt's offscreen platform up speaks of what a run without a window never uses (the desktop's runtime
// folder): words for developers, not for a player who asked for a PDF. Only failures go through.
void TaireRemarques(QtMsgType eType, const QMessageLogContext& oContexte, const QString& oMessage)
{
    if ((eType == QtCriticalMsg || eType == QtFatalMsg) && soMessages != nullptr)
        soMessages(eType, oContexte, oMessage);
}

std::unique_ptr<QCoreApplication> CreerApplication(Besoin eBesoin, int& argc, char** argv)
{
    switch (eBesoin)
    {
    case Besoin::Fenetre:
        return std::make_unique<QApplication>(argc, argv);
    case Besoin::Pdf:
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        soMessages = qInstallMessageHandler(TaireRemarques);
        auto poApplication = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(soMessages);
        return poApplication;
    }
    case Besoin::Texte:
    case Besoin::Erreur:
    case Besoin::SansAffichage:
        break;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Qt's own texts (the file dialogs, the overwrite question, the command line's help) in French, from the
// translations Qt ships; without them they stay in English.
void ParlerFrancais(QCoreApplication& oApplication)
{
    auto* poTraduction = new QTranslator(&oApplication);
    if (poTraduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(poTraduction);
}

int Refuser(const QString& oFichier, const QString& oRaison)
{
    // The file's name as the system gave it, bytes and all.
    const QByteArray oNom = NomFichier::Octets(oFichier);
    std::fprintf(stderr, "vexal: %s : %s\n", oNom.constData(), qPrintable(oRaison));
    return 1;
}

// A command line the program cannot follow: why, then how to use it; nothing is done.
int Mauvais(const QCommandLineParser& oLigne, const QString& oRaison)
{
    std::fprintf(stderr, "vexal: %s\n\n%s", qPrintable(oRaison), qPrintable(oLigne.helpText()));
    return 2;
}

// Writes with fEcrire into oSortie what was made of oFichier, never over that file itself; a failed write ends with
// the reason on stderr.
template <class Ecriture>
int EcrireDepuis(const QString& oSortie, const QString& oFichier, Ecriture fEcrire)
{
    Remplacement oOptions;
    oOptions.moSource = NomFichier::Octets(oFichier).toStdString();
    QString oRaison;
    if (fEcrire(NomFichier::Octets(oSortie).constData(), oOptions, oRaison))
        return 0;
    std::fprintf(stderr, "vexal: %s\n", qPrintable(oRaison));
    return 1;
}

// Writes what fEcrire makes of the file's character into oSortie, with no window, never over the file itself; a
// refused file or a failed write ends with the reason on stderr.
template <class Ecriture>
int EcrireSansFenetre(const QString& oSortie, const QString& oFichier, Ecriture fEcrire)
{
    DocumentPersonnage oDocument;
    const QString oErreur = oDocument.Ouvrir(oFichier, nullptr);
    if (!oErreur.isEmpty())
        return Refuser(oFichier, oErreur);
    return EcrireDepuis(oSortie, oFichier, [&](const char* oNom, const Remplacement& oOptions, QString& oRaison) {
        return fEcrire(*oDocument.GetPerso(), *oDocument.GetJournal(), oNom, oOptions, oRaison);
    });
}

int Exporter(const QString& oSortie, const QString& oFichier)
{
    return EcrireSansFenetre(oSortie, oFichier, [&oSortie](const Personnage& oPerso, const Journal&, const char* oNom,
                                                            const Remplacement& oOptions, QString& oRaison) {
        std::string oErreur;
        const bool bEcrit = RemplacerFichier(oNom, oPerso.TexteExport(), &oErreur, oOptions);
        oRaison = oSortie + QStringLiteral(" : ") + QString::fromStdString(oErreur);
        return bEcrit;
    });
}

// The award to every character named, or to none: each file a character, or a table whose characters all get it.
int Accorder(int nPA, const std::string& oRaison, const std::string& oDate, const QStringList& oFichiers)
{
    std::vector<std::unique_ptr<DocumentTable>> oTables;
    std::vector<PartAttribution> oParts;
    for (const QString& oNom : oFichiers)
    {
        const QString oFichier = NomFichier::Canonique(oNom);
        if (ChoixFichier::EstTable(oFichier))
        {
            auto poTable = std::make_unique<DocumentTable>();
            if (const QString oErreur = poTable->Ouvrir(oFichier, nullptr); !oErreur.isEmpty())
                return Refuser(oFichier, oErreur);
            for (const PersonnageTable& oPersonnage : poTable->GetPersonnages())
                oParts.push_back({oPersonnage.mpoDocument, oPersonnage.moFichier, oPersonnage.moRaison, nPA});
            oTables.push_back(std::move(poTable));
            continue;
        }
        std::shared_ptr<DocumentPersonnage> poDocument = Documents::Pour(oFichier);
        QString oErreur;
        if (!poDocument)
        {
            poDocument = Documents::Nouveau();
            oErreur = poDocument->Ouvrir(oFichier, std::move(LienFichier::Verrouiller(oFichier).mpoFichier));
        }
        oParts.push_back({oErreur.isEmpty() ? poDocument : nullptr, oFichier, oErreur, nPA});
    }
    const IssueAttribution oIssue = AccorderATous(oParts, oDate, oRaison);
    if (oIssue.mbFaite)
        return 0;
    std::fprintf(stderr, "vexal: %s\n", qPrintable(oIssue.moMessage));
    return 1;
}

// The table's grid, then each of its characters' sheets, in one PDF.
int EcrireTablePdf(const QString& oSortie, const QString& oFichier)
{
    DocumentTable oTable;
    if (const QString oErreur = oTable.Ouvrir(oFichier, nullptr); !oErreur.isEmpty())
        return Refuser(oFichier, oErreur);
    return EcrireDepuis(oSortie, oFichier, [&](const char* oNom, const Remplacement& oOptions, QString& oRaison) {
        return ImprimerTablePdf(oTable, oNom, oRaison, oOptions);
    });
}

// The printed sheet as a PDF, or the web page: each says itself why it could not be written.
using Ecriture = bool (*)(const Personnage&, const Journal&, const char*, QString&, const Remplacement&);

int EcrireFeuille(Ecriture pEcrire, const QString& oSortie, const QString& oFichier)
{
    return EcrireSansFenetre(oSortie, oFichier, [pEcrire](const Personnage& oPerso, const Journal& oJournal,
                                                          const char* oNom, const Remplacement& oOptions,
                                                          QString& oRaison) {
        return pEcrire(oPerso, oJournal, oNom, oRaison, oOptions);
    });
}
}

int Lancer(int& argc, char** argv)
{
    // A file grown past the user's size limit is a failed write, which the writers report; by default the system
    // would end the program in the middle of the write instead.
    std::signal(SIGXFSZ, SIG_IGN);
    const Besoin eBesoin = BesoinDe(argc, argv);
    if (eBesoin == Besoin::SansAffichage)
    {
        std::fputs("vexal: aucun écran où ouvrir une fenêtre (DISPLAY n'est pas défini) ; sans fenêtre, --export, "
                   "--pdf et --html écrivent la fiche d'un personnage\n",
                   stderr);
        return 1;
    }
    const std::unique_ptr<QCoreApplication> poApplication = CreerApplication(eBesoin, argc, argv);
    ParlerFrancais(*poApplication);
    QCoreApplication::setApplicationName(QStringLiteral("vexal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXAL_VERSION));

    QCommandLineParser oLigne;
    oLigne.setApplicationDescription(QCoreApplication::translate("Lancer", "Fiches de personnage VEXAL"));
    // The help and version options of the program's own, so that they too are described in French.
    const QCommandLineOption oAide({QStringLiteral("h"), QStringLiteral("help")},
                                   QCoreApplication::translate("Lancer", "Affiche cette aide."));
    oLigne.addOption(oAide);
    const QCommandLineOption oVersion({QStringLiteral("v"), QStringLiteral("version")},
                                      QCoreApplication::translate("Lancer", "Affiche la version du programme."));
    oLigne.addOption(oVersion);
    const QCommandLineOption oExport(QStringLiteral("export"),
                                     QCoreApplication::translate("Lancer", "Écrit l'export texte du personnage."),
                                     QStringLiteral("SORTIE.txt"));
    oLigne.addOption(oExport);
    const QCommandLineOption oPdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("Lancer", "Écrit en PDF la feuille du personnage, ou la table et chacune de ses "
                                              "feuilles."),
        QStringLiteral("SORTIE.pdf"));
    oLigne.addOption(oPdf);
    const QCommandLineOption oAccorder(
        QStringLiteral("accorder"),
        QCoreApplication::translate("Lancer", "Accorde ces PA à chaque personnage nommé, fiche ou table, ou à aucun."),
        QStringLiteral("PA"));
    oLigne.addOption(oAccorder);
    const QCommandLineOption oRaison(QStringLiteral("raison"),
                                     QCoreApplication::translate("Lancer", "La raison de l'attribution."),
                                     QStringLiteral("TEXTE"));
    oLigne.addOption(oRaison);
    const QCommandLineOption oDate(QStringLiteral("date"),
                                   QCoreApplication::translate("Lancer", "Sa date (aujourd'hui sans elle)."),
                                   QStringLiteral("AAAA-MM-JJ"));
    oLigne.addOption(oDate);
    const QCommandLineOption oHtml(QStringLiteral("html"),
                                   QCoreApplication::translate("Lancer", "Écrit la page web du personnage."),
                                   QStringLiteral("SORTIE.html"));
    oLigne.addOption(oHtml);
    oLigne.addPositionalArgument(QStringLiteral("FICHIER"),
                                 QCoreApplication::translate("Lancer", "Le personnage ou la table de jeu à ouvrir."));

    // Names keep the system's bytes: QCoreApplication::arguments() would replace what is not UTF-8.
    QStringList oArguments;
    for (int n = 0; n < argc; ++n)
        oArguments << NomFichier::DepuisOctets(QByteArray(argv[n]));
    if (!oLigne.parse(oArguments))
        return Mauvais(oLigne, oLigne.errorText());
    const QStringList oFichiers = oLigne.positionalArguments();
    for (const QCommandLineOption* poOption : {&oExport, &oPdf, &oHtml, &oAccorder, &oRaison, &oDate})
    {
        if (oLigne.values(*poOption).size() > 1)
            return Mauvais(oLigne, QCoreApplication::translate("Lancer", "l'option --%1 est donnée plus d'une fois")
                                       .arg(poOption->names().first()));
    }
    const bool bAccorder = oLigne.isSet(oAccorder);
    const bool bSansFenetre = oLigne.isSet(oExport) || oLigne.isSet(oPdf) || oLigne.isSet(oHtml) || bAccorder;
    if (int(oLigne.isSet(oExport)) + int(oLigne.isSet(oPdf)) + int(oLigne.isSet(oHtml)) + int(bAccorder) > 1)
        return Mauvais(oLigne, QCoreApplication::translate("Lancer", "--export, --pdf, --html et --accorder ne vont pas "
                                                                     "ensemble"));
    if (!bAccorder && (oLigne.isSet(oRaison) || oLigne.isSet(oDate)))
        return Mauvais(oLigne, QCoreApplication::translate("Lancer", "--raison et --date vont avec --accorder"));
    if (oFichiers.size() > 1 && !bAccorder)
        return Mauvais(oLigne, QCoreApplication::translate("Lancer", "un seul fichier de personnage à la fois"));
    if (bSansFenetre && oFichiers.isEmpty())
        return Mauvais(oLigne, QCoreApplication::translate("Lancer", "il manque le fichier du personnage"));
    if (oLigne.isSet(oAide))
    {
        std::fputs(qPrintable(oLigne.helpText()), stdout);
        return 0;
    }
    if (oLigne.isSet(oVersion))
    {
        std::printf("vexal %s\n", VEXAL_VERSION);
        return 0;
    }
    if (bAccorder)
    {
        bool bNombre = false;
        const int nPA = oLigne.value(oAccorder).toInt(&bNombre);
        if (!bNombre || nPA == 0)
            return Mauvais(oLigne, QCoreApplication::translate("Lancer", "--accorder attend un nombre entier de PA, "
                                                                         "autre que 0 : %1")
                                       .arg(oLigne.value(oAccorder)));
        if (!oLigne.isSet(oRaison))
            return Mauvais(oLigne, QCoreApplication::translate("Lancer", "--accorder attend une --raison"));
        const std::string oJour =
            oLigne.isSet(oDate) ? oLigne.value(oDate).toStdString() : DocumentPersonnage::Aujourdhui();
        if (!Journaux::DateValide(oJour))
            return Mauvais(oLigne, QCoreApplication::translate("Lancer", "--date attend un jour qui existe, "
                                                                         "AAAA-MM-JJ : %1")
                                       .arg(QString::fromStdString(oJour)));
        return Accorder(nPA, oLigne.value(oRaison).toStdString(), oJour, oFichiers);
    }
    if (oLigne.isSet(oExport))
        return Exporter(oLigne.value(oExport), oFichiers.first());
    if (oLigne.isSet(oPdf))
        return ChoixFichier::EstTable(oFichiers.first()) ? EcrireTablePdf(oLigne.value(oPdf), oFichiers.first())
                                                          : EcrireFeuille(ImprimerPdf, oLigne.value(oPdf), oFichiers.first());
    if (oLigne.isSet(oHtml))
        return EcrireFeuille(EcrirePage, oLigne.value(oHtml), oFichiers.first());

    MyWidget oFenetre;
    // The window's fixed size wins over the requested one.
    oFenetre.setGeometry(100, 100, 250, 355);
    oFenetre.show();
    oFenetre.ProposerRecuperations();
    if (!oFichiers.isEmpty())
        oFenetre.OuvrirFichier(oFichiers.first());
    return poApplication->exec();
}
