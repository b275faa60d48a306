#pragma once

#include <QtGlobal>

namespace clavora {

class MainController;

// The commands of one subsystem (games, dictation, progress, options and users, import). The main
// controller stays a dispatcher: a command it does not carry out itself is offered to each
// subsystem in turn until one takes it.
class SubsystemController
{
public:
    explicit SubsystemController(MainController& main) : m_main(main) {}
    virtual ~SubsystemController() = default;
    Q_DISABLE_COPY_MOVE(SubsystemController)

    // Carries out the command when it belongs to this subsystem; false when it does not.
    virtual bool HandleCommand(int commandId) = 0;

protected:
    MainController& Main() const { return m_main; }

private:
    MainController& m_main;
};

} // namespace clavora
