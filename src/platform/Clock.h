#pragma once

#include <QDateTime>

// Time behind an interface so that rules depending on the hour or the day can be tested.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime agora() const = 0;
    QDate hoje() const { return agora().date(); }
};

class SystemClock : public Clock
{
public:
    QDateTime agora() const override { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime momento) : m_momento(std::move(momento)) {}
    QDateTime agora() const override { return m_momento; }
    void define(const QDateTime& momento) { m_momento = momento; }
    void avanca(qint64 segundos) { m_momento = m_momento.addSecs(segundos); }

private:
    QDateTime m_momento;
};

// The clock of the running program.
Clock& relogio();
// Tests replace the program clock; nullptr restores the system clock.
void defineRelogio(Clock* clock);
