#include "outilsfenetre.h"

#include "banc.h"
#include "fichiersparametres.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"

#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

QStringList contenus(const QString& dossier) {
    QStringList c;
    for (const QString& ligne : Banc::empreinte(dossier))
        c.append(ligne.section(QLatin1Char(' '), -1));
    c.sort();
    return c;
}

QString corbeille() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files");
}

QStringList perdus(QStringList avant, const QStringList& dossiers) {
    for (const QString& dossier : dossiers)
        for (const QString& c : contenus(dossier))
            avant.removeAll(c);
    return avant;
}

QStringList entrees(const FrmPhoto& f) {
    QStringList noms;
    for (int i = 0; i < f.LstFF->count(); ++i)
        noms.append(f.LstFF->item(i)->text());
    return noms;
}

QStringList selection(const FrmPhoto& f) {
    QStringList noms;
    for (int i = 0; i < f.LstFF->count(); ++i)
        if (f.LstFF->item(i)->isSelected())
            noms.append(f.LstFF->item(i)->text());
    return noms;
}

void choisir(FrmPhoto& f, const QStringList& noms) {
    f.LstFF->clearSelection();
    for (const QString& nom : noms)
        f.LstFF->findItems(nom, Qt::MatchExactly).first()->setSelected(true);
}

QPoint centre(const FrmPhoto& f, int rang) {
    return f.LstFF->visualItemRect(f.LstFF->item(rang)).center();
}

void cliquer(FrmPhoto& f, int rang, Qt::KeyboardModifiers touches, Qt::MouseButton bouton,
             int decalage) {
    QTest::mouseClick(f.LstFF->viewport(), bouton, touches, centre(f, rang) + QPoint(decalage, 0));
}

void taper(FrmPhoto& f, const QString& texte, Qt::Key touche) {
    f.TxtFileName->selectAll();
    QTest::keyClick(f.TxtFileName, Qt::Key_Delete);
    taperTexte(f.TxtFileName, texte);
    QTest::keyClick(f.TxtFileName, touche);
}

Rapports::Rapports(FrmPhoto& f) {
    FrmRenom* r = f.incrementation().rapport();
    QObject::connect(r, &FrmRenom::etatFinalAtteint, r, [this, r, &f] {
        QStringList l;
        for (int i = 0; i < r->LV->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* ligne = r->LV->topLevelItem(i);
            l.append(ligne->text(0) + (ligne->font(1).bold() ? " | " : " ! ") + ligne->text(1));
        }
        lignes.append(l);
        if (!laisser) {
            QTest::mouseClick(r->CmdTer, Qt::LeftButton);
            focus = f.focusWidget();
        }
    });
}

void taperTexte(QWidget* controle, const QString& texte) {
    for (const QChar c : texte) {
        if (c.unicode() >= 32 && c.unicode() < 127) {
            QTest::keyClick(controle, c.toLatin1());
            continue;
        }
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(controle, &appui);
        QApplication::sendEvent(controle, &relache);
    }
}

QStringList nomsSurDisque(const QString& dossier) {
    return QDir(dossier).entryList(QDir::Files, QDir::Name);
}

void ouvrirSur(Banc& b, const QString& dossier) {
    ParametresPhoto p;
    p.RepertoireDemarrage = dossier;
    Banc::creerFichier(b.programme() + QStringLiteral("/Photo.ini"), p.versLigne());
}

namespace {

bool preparer(Banc& b, const QStringList& fichiers) {
    ouvrirSur(b, b.photos());
    for (const QString& nom : fichiers)
        Banc::creerFichier(b.photos() + QLatin1Char('/') + nom, nom.toUtf8());
    return true;
}

} // namespace

FenetreOuverte::FenetreOuverte(Banc& b, const QStringList& fichiers)
    : pret(preparer(b, fichiers)), f(b.plateforme, etat) {
    etat.DossierDonnees = b.racine() + QStringLiteral("/donnees");
    QDir().mkpath(etat.DossierDonnees);
    f.Form_Activate();
    f.show();
}

void entrerEnIncrementation(Banc& b, FrmPhoto& f) {
    b.dialogues.attendreFenetre("FrmAvertissement", [](QDialog& d) {
        d.accept();
        return d.result();
    });
    b.dialogues.attendreFenetre("FrmChoixIncrémentation", [](QDialog& d) {
        d.findChild<QPushButton*>("CmdOK")->click();
        return d.result();
    });
    QTest::mouseClick(f.CmdInc, Qt::LeftButton);
}
