// Thumbnails, the enlarged view with its magnifier and the slideshow, through the real controls.
#include "apercuphoto.h"
#include "banc.h"
#include "diaporama.h"
#include "frmzoom.h"
#include "miniatures.h"
#include "outilsfenetre.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString Temps = QStringLiteral("Indiquez le temps d'affichage de l'image en secondes");

QStringList numerotes(int nombre) {
    QStringList noms;
    for (int i = 1; i <= nombre; ++i)
        noms.append(QStringLiteral("f%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    return noms;
}

QLabel* cellule(FrmPhoto& f, const QString& genre, int k) {
    return f.findChild<QLabel*>(QStringLiteral("%1(%2)").arg(genre).arg(k));
}

bool eclairee(FrmPhoto& f, int k) {
    return cellule(f, "LblMin", k)->palette().color(QPalette::Window) == QColor(150, 120, 90);
}

// Files in the folder, answer to the starting number, message shown, first thumbnail, count.
using Depart = std::tuple<int, QString, QString, int, int>;

} // namespace

class TstVues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numeroDepart_data();
    void numeroDepart();
    void agrandissementEtLoupe();
    void miniaturesEtDiaporama();
};

void TstVues::numeroDepart_data() {
    QTest::addColumn<Depart>("d");
    QTest::newRow("145 : pas de question") << Depart{145, "", "", 0, 145};
    QTest::newRow("146, abc") << Depart{146, "abc", "Erreur de saisie !", 0, 0};
    QTest::newRow("300, à partir de 100") << Depart{300, "100", "", 99, 145};
}

void TstVues::numeroDepart() {
    QFETCH(Depart, d);
    const auto& [nombre, reponse, message, premiere, affichees] = d;
    Banc b;
    FenetreOuverte w(b, numerotes(nombre));
    FrmPhoto& f = w.f;
    if (nombre > 145) {
        b.dialogues.attendreMessage("Le programme ne permet d'afficher que 145 miniatures   :o(");
        b.dialogues.attendreSaisie("A partir de quel numéro voulez-vous réaliser l'affichage ?",
                                   reponse);
    }
    if (!message.isEmpty())
        b.dialogues.attendreMessage(message);
    QTest::mouseClick(f.CmdMin, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(f.apercu().miniatures().NbMiniatures, affichees);
    if (!affichees)
        return;
    QCOMPARE(w.etat.PremiereMiniature, premiere);
    const QString premier = numerotes(nombre).at(premiere);
    QCOMPARE(selection(f), QStringList{premier});
    QVERIFY(eclairee(f, 1));
}

void TstVues::agrandissementEtLoupe() {
    Banc b;
    b.plateforme.environnement.ecran = QSize(1024, 768);
    Banc::creerImage(b.photos() + "/a.jpg", 400, 300);
    Banc::creerImage(b.photos() + "/b.jpg", 3000, 2000);
    FenetreOuverte w(b);
    FrmPhoto& f = w.f;
    auto regarder = [&](FrmZoom& z) {
        QTRY_VERIFY(z.ImageEntiere());
        QTest::mousePress(z.ImgZ, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(z.ImgZ->geometry(), QRect(112, 84, 800, 600));
        QTest::mouseRelease(z.ImgZ, Qt::LeftButton, {}, QPoint(400, 300));
        QTest::mouseClick(&z, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(z.TauxZoom, 4.0);
        QTest::keyClick(&z, Qt::Key_Return);
        QTest::keyClick(&z, Qt::Key_Up);
        QTest::keyClick(&z, Qt::Key_Up);
        QVERIFY(!z.isVisible());
    };
    b.dialogues.attendreFenetre("FrmZoom", [&](QDialog& d) {
        d.show();
        regarder(static_cast<FrmZoom&>(d));
        return int(QDialog::Rejected);
    });
    b.dialogues.attendreMenu("mnuInv", "mnuZ(4)");
    b.dialogues.attendreMessage("Première image du dossier !");
    QTest::mouseClick(f.Img0, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
}

void TstVues::miniaturesEtDiaporama() {
    Banc b;
    FenetreOuverte w(b, numerotes(8));
    FrmPhoto& f = w.f;
    b.dialogues.attendreSaisie(Temps, "0,5");
    b.dialogues.attendreMessage("Le temps affiché est incompatible !");
    QTest::mouseClick(f.axBDiapo, Qt::LeftButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!f.apercu().diaporama().DiaporamaEnCours);

    QTest::mouseClick(f.CmdMin, Qt::LeftButton);
    QTest::mouseClick(cellule(f, "ImgMin", 3), Qt::LeftButton);
    QCOMPARE(selection(f), QStringList{"f003.jpg"});
    QVERIFY(eclairee(f, 3) && !eclairee(f, 1));
    // The right button asks about the thumbnail under the pointer; No keeps the file.
    const QString question = "Supprimer " + b.photos() + "/f00%1.jpg ?";
    b.dialogues.attendreMessage(question.arg(5), Dialogues::Reponse::Non);
    QTest::mouseClick(cellule(f, "ImgMin", 5), Qt::RightButton);
    b.dialogues.attendreMessage(question.arg(2), Dialogues::Reponse::Oui);
    QTest::mouseClick(cellule(f, "LblMin", 2), Qt::RightButton);
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(nomsSurDisque(corbeille()), QStringList{"f002.jpg"});
    QCOMPARE(f.apercu().miniatures().NbMiniatures, 7);
    QCOMPARE(cellule(f, "LblMin", 2)->text(), QString(" f003.jpg  "));

    f.SelectionnerEntree(5);
    b.dialogues.attendreSaisie(Temps, "2");
    QTest::mouseClick(f.axBDiapo, Qt::LeftButton);
    b.horloge.declencher();
    QCOMPARE(selection(f), QStringList{"f008.jpg"});
    QVERIFY(eclairee(f, 7) && !eclairee(f, 6));
    b.dialogues.attendreMessage("Fin de dossier, et fin du diaporama. ");
    b.horloge.declencher();
    VERIFIER_DIALOGUES(b.dialogues);
    QVERIFY(!f.apercu().diaporama().DiaporamaEnCours && b.horloge.delais().isEmpty());
    QVERIFY(!f.apercu().Zoom().mnuInv->findChild<QAction*>("mnuFinDiap")->isEnabled());
}

VIMBRAL_TEST_MAIN(TstVues)
#include "tst_vues.moc"
