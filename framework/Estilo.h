#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

// The station's look, in one place.
namespace Estilo {

inline const QColor AzulCabecalho(31, 58, 104);
inline const QColor FimGradiente(202, 202, 230);

// Style sheet of a header bar carrying a title.
QString Cabecalho();
// A panel shaded from white to the station's lavender.
QString PainelGradiente(const QString& NomeObjeto, bool Chanfrado);

// The shaded, bevelled frame that fills a borderless dialog.
QFrame* Moldura(QWidget* Janela);
// The message line of a dialog: plain text, centred, wrapped; object name
// "Mensagem" unless another is given.
QLabel* RotuloMensagem(const QString& Texto, QWidget* Pai, int LarguraMinima);

// Puts a top-level window in the middle of its screen.
void Centraliza(QWidget* Janela);

} // namespace Estilo
