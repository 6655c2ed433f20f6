#pragma once

#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

namespace slidemint {

// Answers every question the office asks while loading (a password, a
// repair, a format choice) by refusing, so that no load ever waits for a
// user who is not there.
class RefusingInteractionHandler : public cppu::WeakImplHelper1<css::task::XInteractionHandler> {
public:
    void SAL_CALL handle(const css::uno::Reference<css::task::XInteractionRequest>& request) override;
};

}  // namespace slidemint
