#ifndef VEXAL_SHEET_FILTRESAISIE_H
#define VEXAL_SHEET_FILTRESAISIE_H

#include <QObject>

class QAbstractSpinBox;
class QComboBox;

// Makes the sheet's boxes and lists take input as a player expects. A wheel turned over a box the player has not
// clicked into scrolls what holds it instead of spending points; a number takes a decimal comma or point alike.
class FiltreSaisie : public QObject
{
public:
    static void Proteger(QAbstractSpinBox* poBoite);
    static void Proteger(QComboBox* poListe);

protected:
    bool eventFilter(QObject* poObjet, QEvent* poEvent) override;

private:
    using QObject::QObject;
    static FiltreSaisie* Instance();
};

#endif
