#include "Prompter.h"

void Prompter::titledMessage(const QString &, const QString &aText)
{
    message(aText);
}

void Prompter::timedMessage(const QString &, const QString &, int)
{
}

namespace {

class SilentPrompter : public Prompter
{
public:
    void message(const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    bool print(QPrinter &) override { return false; }
};

SilentPrompter gSilent;
Prompter *gCurrent = &gSilent;

} // namespace

Prompter &prompter()
{
    return *gCurrent;
}

Prompter *setPrompter(Prompter *aPrompter)
{
    Prompter *previous = gCurrent == &gSilent ? nullptr : gCurrent;
    gCurrent = aPrompter ? aPrompter : &gSilent;
    return previous;
}
