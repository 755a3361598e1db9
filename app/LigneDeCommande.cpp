#include "LigneDeCommande.h"

#include "FichierPdf.h"
#include "MyWidget.h"
#include "export/FichierAtomique.h"
#include "fichier/FichierPersonnage.h"
#include "model/Personnage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{
const char* const kSansFenetre[] = {"--export", "-h", "--help", "--help-all", "-v", "--version"};

bool EstOption(const char* oArgument, const char* oOption)
{
    const std::size_t nLongueur = std::strlen(oOption);
    return std::strncmp(oArgument, oOption, nLongueur) == 0 && (oArgument[nLongueur] == '\0' || oArgument[nLongueur] == '=');
}

// Work with no window needs no display. A PDF needs fonts, which a graphical application on Qt's offscreen platform
// has without any screen; the rest gets no graphical application at all.
std::unique_ptr<QCoreApplication> CreerApplication(int& argc, char** argv)
{
    for (int n = 1; n < argc; ++n)
    {
        if (EstOption(argv[n], "--pdf"))
        {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    for (int n = 1; n < argc; ++n)
    {
        for (const char* oOption : kSansFenetre)
        {
            if (EstOption(argv[n], oOption))
                return std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    return std::make_unique<QApplication>(argc, argv);
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

int Refuser(const QString& oFichier, const std::string& oRaison)
{
    std::fprintf(stderr, "vexal: %s : %s\n", qPrintable(oFichier), oRaison.c_str());
    return 1;
}

std::unique_ptr<Personnage> Lire(const QString& oFichier, std::string& oErreur)
{
    return FichierPersonnage::Ouvrir(QFile::encodeName(oFichier).constData(), oErreur);
}

// Writes what fEcrire makes of the file's character, with no window; a refused file or a failed write ends with
// the reason on stderr.
template <class Ecriture>
int EcrireSansFenetre(const QString& oFichier, Ecriture fEcrire)
{
    std::string oErreur;
    const std::unique_ptr<Personnage> poPerso = Lire(oFichier, oErreur);
    if (!poPerso)
        return Refuser(oFichier, oErreur);
    QString oRaison;
    if (fEcrire(*poPerso, oRaison))
        return 0;
    std::fprintf(stderr, "vexal: %s\n", qPrintable(oRaison));
    return 1;
}

int Exporter(const QString& oSortie, const QString& oFichier)
{
    return EcrireSansFenetre(oFichier, [&oSortie](const Personnage& oPerso, QString& oRaison) {
        std::string oErreur;
        if (RemplacerFichier(QFile::encodeName(oSortie).constData(), oPerso.TexteExport(), &oErreur))
            return true;
        oRaison = oSortie + QStringLiteral(" : ") + QString::fromStdString(oErreur);
        return false;
    });
}

int EcrirePdf(const QString& oSortie, const QString& oFichier)
{
    return EcrireSansFenetre(oFichier, [&oSortie](const Personnage& oPerso, QString& oRaison) {
        return ImprimerPdf(oPerso, oSortie, oRaison);
    });
}
}

int Lancer(int& argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> poApplication = CreerApplication(argc, argv);
    ParlerFrancais(*poApplication);
    QCoreApplication::setApplicationName(QStringLiteral("vexal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXAL_VERSION));

    QCommandLineParser oLigne;
    oLigne.setApplicationDescription(QCoreApplication::translate("Lancer", "Fiches de personnage VEXAL"));
    oLigne.addHelpOption();
    oLigne.addVersionOption();
    const QCommandLineOption oExport(QStringLiteral("export"),
                                     QCoreApplication::translate("Lancer", "Écrit l'export texte du personnage."),
                                     QStringLiteral("SORTIE.txt"));
    oLigne.addOption(oExport);
    const QCommandLineOption oPdf(QStringLiteral("pdf"),
                                  QCoreApplication::translate("Lancer", "Écrit la feuille du personnage en PDF."),
                                  QStringLiteral("SORTIE.pdf"));
    oLigne.addOption(oPdf);
    oLigne.addPositionalArgument(QStringLiteral("FICHIER.vexal"),
                                 QCoreApplication::translate("Lancer", "Le personnage à ouvrir."));
    oLigne.process(*poApplication);

    const QStringList oFichiers = oLigne.positionalArguments();
    const bool bSansFenetre = oLigne.isSet(oExport) || oLigne.isSet(oPdf);
    if (oFichiers.size() > 1 || (bSansFenetre && oFichiers.isEmpty()) || (oLigne.isSet(oExport) && oLigne.isSet(oPdf)))
    {
        std::fprintf(stderr, "%s\n", qPrintable(oLigne.helpText()));
        return 1;
    }
    if (oLigne.isSet(oExport))
        return Exporter(oLigne.value(oExport), oFichiers.first());
    if (oLigne.isSet(oPdf))
        return EcrirePdf(oLigne.value(oPdf), oFichiers.first());

    std::unique_ptr<Personnage> poPerso;
    if (!oFichiers.isEmpty())
    {
        std::string oErreur;
        poPerso = Lire(oFichiers.first(), oErreur);
        if (!poPerso)
            return Refuser(oFichiers.first(), oErreur);
    }
    MyWidget oFenetre;
    // The window's fixed size wins over the requested one.
    oFenetre.setGeometry(100, 100, 250, 355);
    oFenetre.show();
    if (poPerso)
        oFenetre.MontrerPersonnage(std::move(poPerso), oFichiers.first());
    return poApplication->exec();
}
