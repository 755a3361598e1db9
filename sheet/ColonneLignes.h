#ifndef VEXAL_SHEET_COLONNELIGNES_H
#define VEXAL_SHEET_COLONNELIGNES_H

#include <QList>
#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class PouvoirTalentWidget;
class QRect;
class QScrollArea;
class QSpacerItem;
class QString;
class QVBoxLayout;
class QWidget;

// One column of rows, the powers' or the talents': a row for each name it follows, values written without coming
// back as edits, and the player's change of a row told for that row alone.
class ColonneLignes : public QObject
{
    Q_OBJECT

public:
    // The column's rows stand in a scroll area of this name and place on the window.
    ColonneLignes(QVBoxLayout* poColonne, QWidget* poFenetre, const char* oNom, const QRect& oPlace);

    QScrollArea* Zone() const { return mpoZone; }

    using Aide = std::function<QString(const std::string&)>;

    // The rows stand for exactly these names, in their order: rows of names gone go, rows kept move to their places,
    // and each new name gets a row, with the tool tips fLigne and fBoite give the row and its value box. False when
    // no row came, went or moved.
    bool Suivre(const std::vector<std::string>& oNoms, const Aide& fLigne, const Aide& fBoite);
    // Gives every value box the tool tip fBoite gives its row's name.
    void Aider(const Aide& fBoite);
    void Vider();
    using Valeur = std::function<std::optional<double>(const std::string&)>;

    // Shows in each row the value fValeur gives for its name, if any; a row that shows it already is left alone.
    void Ecrire(const Valeur& fValeur);
    // Tells again of every row that shows another value than the one fValeur gives for its name.
    void Transmettre(const Valeur& fValeur);
    // The names of the checked rows, top to bottom.
    std::vector<std::string> Coches() const;
    QList<PouvoirTalentWidget*> Lignes() const;
    QSpacerItem* Espaceur() const;

signals:
    void LigneChangee(const std::string& oNom, double fValeur);

private:
    PouvoirTalentWidget* Creer(const std::string& oNom, const QString& oToolTip, const QString& oAideBoite);
    // Gives the column the height of its rows, so that they scroll when they do not fit, and only then.
    void AjusterHauteur();

    QVBoxLayout* mpoColonne;
    QScrollArea* mpoZone;
};

#endif
