#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the station. Read before any window, so
// that "--help" and "--version" work without a display.
struct TOpcoes {
    bool Ajuda = false;
    bool Versao = false;
    // The working folder: the one named, else the user's data folder, from
    // the menu and from a terminal alike ("--pasta-usuario" says so
    // explicitly, over a "--pasta").
    QString Pasta;
    bool PastaUsuario = false;
    QString Erro; // a word the station does not know, in Portuguese
};

TOpcoes LeOpcoes(const QStringList& Argumentos);

QString TextoAjuda();
QString TextoVersao();

// The user's working folder: "tefkimbro" in the XDG data location.
QString PastaDoUsuario();

// Makes the chosen working folder the current one (created when missing;
// the user's folder with mode 0700, since it holds receipts and the TEF
// log). The error to show, or empty.
QString EntraNaPastaDeTrabalho(const TOpcoes& Opcoes);
