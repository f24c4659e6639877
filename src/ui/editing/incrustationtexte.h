#pragma once

#include <QObject>

class FrmPhoto;

// Text written onto photos: the box that turns it on, the text box, the options window, and
// the commit's step that writes "(T)" + the photo's name.
class IncrustationTexte : public QObject {
    Q_OBJECT
public:
    explicit IncrustationTexte(FrmPhoto& fenetre);

    void ChkIns_Click();
    void mnuOptTexte_Click();

    enum class Issue { Rien, Ecrite, SourceSauvegardee, Arret, Echec };
    // The commit's step, with the entry shown already renamed: writes the text onto its
    // picture (turned as it is shown) as "(T)" + its base name + ".jpg", listed after it, and
    // moves the photo to "Photos sauvegardées" when the options say so, its entry giving its
    // place to the result. rang receives the row the move starts from.
    Issue Incruster(int& rang);
    // The text to write: the box's, unless it holds the placeholder.
    QString TexteIncruste() const;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    FrmPhoto& m_f;
};
