#ifndef VEXAL_SHEET_FENETRENOTES_H
#define VEXAL_SHEET_FENETRENOTES_H

#include <QTimer>
#include <QWidget>

class QPlainTextEdit;

// The player's notes on the character (background, equipment, anything), in a small window that belongs to the
// sheet. What is typed is handed on after a pause, so that one pause in the typing makes one step to undo.
class FenetreNotes : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreNotes(QWidget* poFiche);

    // Shows the character's notes; typing not yet handed on stays as it is.
    void SetTexte(const QString& oTexte);
    QString GetTexte() const;
    // Hands on at once what was typed since the last pause: before the notes are saved, printed or undone.
    void Valider();

signals:
    void TexteChange(const QString& oTexte);

protected:
    void hideEvent(QHideEvent* poEvent) override;

private:
    QPlainTextEdit* mpoTexte;
    QTimer moPause;
};

#endif
