#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

namespace twinsweep::test {

/// Runs `act` once a modal window of type `W` is shown, from inside its event loop.
/// For widget tests only.
template <typename W> void whenModal(std::function<void(W&)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*window);
        }
    });
    timer->start();
}

} // namespace twinsweep::test
