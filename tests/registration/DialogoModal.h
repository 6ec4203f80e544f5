#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs the steps on the next modal window of that class as soon as it is shown and active
// (a modal window's exec() does not return to the test until it closes).
template <typename T> void quandoModal(std::function<void(T*)> passos, int tentativas = 300)
{
    QTimer::singleShot(10, [passos = std::move(passos), tentativas] {
        auto* janela = qobject_cast<T*>(QApplication::activeModalWidget());
        if (janela && janela->isActiveWindow())
            passos(janela);
        else if (tentativas > 0)
            quandoModal<T>(passos, tentativas - 1);
    });
}
