#pragma once

#include <QObject>
#include <QString>

class Favoris;
class FrmPhoto;

// Copy, cut and paste of files: the selection is remembered as full paths; a paste copies or
// moves them into the open folder or into a copy folder, as "Copie de " + name when the name
// is taken, marked when the option says so.
class CopierColler : public QObject {
    Q_OBJECT
public:
    CopierColler(FrmPhoto& fenetre, Favoris& favoris);

    void mnuCopier_Click();
    void mnuCouper_Click();
    void mnuCollerRep_Click();
    void mnuCollerDos_Click();

    // The display of the current file emptied, as when the list is left empty.
    void EffacerAffichageCourant();
    void ActiverCollage(bool actif);

private:
    // 1 copy, 2 cut.
    void Retenir(int operation);
    enum class Bilan { Complet, Annule, Arrete };
    // The paste itself into the folder dossier (ending with "/"), file by file, stopping at
    // the first refusal with its message.
    Bilan Transferer(const QString& dossier);

    FrmPhoto& m_f;
    Favoris& m_favoris;
};
