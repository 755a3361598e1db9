#include "LigneDeCommande.h"

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

// Work with no window needs no display: such a run gets no graphical application at all.
std::unique_ptr<QCoreApplication> CreerApplication(int& argc, char** argv)
{
    for (int n = 1; n < argc; ++n)
    {
        for (const char* oOption : kSansFenetre)
        {
            if (std::strcmp(argv[n], oOption) == 0 || std::strncmp(argv[n], "--export=", 9) == 0)
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

int Exporter(const QString& oSortie, const QString& oFichier)
{
    std::string oErreur;
    const std::unique_ptr<Personnage> poPerso = Lire(oFichier, oErreur);
    if (!poPerso)
        return Refuser(oFichier, oErreur);
    if (!RemplacerFichier(QFile::encodeName(oSortie).constData(), poPerso->TexteExport(), &oErreur))
        return Refuser(oSortie, oErreur);
    return 0;
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
    oLigne.addPositionalArgument(QStringLiteral("FICHIER.vexal"),
                                 QCoreApplication::translate("Lancer", "Le personnage à ouvrir."));
    oLigne.process(*poApplication);

    const QStringList oFichiers = oLigne.positionalArguments();
    if (oFichiers.size() > 1 || (oLigne.isSet(oExport) && oFichiers.isEmpty()))
    {
        std::fprintf(stderr, "%s\n", qPrintable(oLigne.helpText()));
        return 1;
    }
    if (oLigne.isSet(oExport))
        return Exporter(oLigne.value(oExport), oFichiers.first());

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
