#include "app/renderer/refusing_interaction_handler.hpp"

#include <com/sun/star/task/XInteractionAbort.hpp>
#include <com/sun/star/task/XInteractionDisapprove.hpp>
#include <com/sun/star/task/XInteractionRequest.hpp>

namespace slidemint {

namespace {

template <class Refusal>
bool selectFirst(const css::uno::Sequence<css::uno::Reference<css::task::XInteractionContinuation>>& choices) {
    for (const auto& choice : choices) {
        css::uno::Reference<Refusal> refusal(choice, css::uno::UNO_QUERY);
        if (refusal.is()) {
            refusal->select();
            return true;
        }
    }
    return false;
}

}  // namespace

void RefusingInteractionHandler::handle(const css::uno::Reference<css::task::XInteractionRequest>& request) {
    if (!request.is()) return;
    auto choices = request->getContinuations();
    if (!selectFirst<css::task::XInteractionAbort>(choices)) selectFirst<css::task::XInteractionDisapprove>(choices);
}

}  // namespace slidemint
