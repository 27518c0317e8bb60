#include "Prompter.h"

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
