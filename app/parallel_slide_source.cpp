#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "app/renderer/presentation_renderer.hpp"
#include "app/slide_source.hpp"
#include "app/slide_text.hpp"

namespace slidemint {

namespace {

// How far a helper may run ahead of the slide being taken, so that rendered
// bitmaps do not pile up in memory.
constexpr int kLookAhead = 8;

// Slide number n belongs to lane (n - 1) % lanes; lane 0 is the caller's own
// presentation, lane k > 0 is helper k - 1. A helper that fails gives its
// slides back to the caller, so helpers never make a conversion fail.
class ParallelSlideSource : public SlideSource {
public:
    ParallelSlideSource(Presentation& presentation, std::vector<PresentationRenderer*> helpers,
                        std::string file, SlideRequest request, int count)
        : presentation_(presentation), request_(std::move(request)), file_(std::move(file)),
          count_(count), lanes_(static_cast<int>(helpers.size()) + 1) {
        for (std::size_t k = 0; k < helpers.size(); ++k)
            threads_.emplace_back([this, helper = helpers[k], lane = static_cast<int>(k) + 1] {
                RunHelper(*helper, lane);
            });
    }

    ~ParallelSlideSource() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        for (auto& thread : threads_) thread.join();
    }

    RenderedSlide Next(int number) override {
        {
            std::lock_guard lock(mutex_);
            taken_ = number;
        }
        changed_.notify_all();
        const int lane = LaneOf(number);
        if (lane != 0) {
            if (auto slide = WaitForHelper(number, lane)) return std::move(*slide);
        }
        return RenderSlide(presentation_, number, request_);
    }

private:
    int LaneOf(int number) const { return (number - 1) % lanes_; }

    std::optional<RenderedSlide> WaitForHelper(int number, int lane) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done_.count(number) || failedLanes_.count(lane); });
        auto found = done_.find(number);
        if (found == done_.end()) return std::nullopt;
        RenderedSlide slide = std::move(found->second);
        done_.erase(found);
        return slide;
    }

    void RunHelper(PresentationRenderer& helper, int lane) {
        try {
            std::unique_ptr<Presentation> own = helper.open(file_);
            for (int number = lane + 1; number <= count_; number += lanes_) {
                if (!WaitForTurn(number)) break;
                RenderedSlide slide = RenderSlide(*own, number, request_);
                std::lock_guard lock(mutex_);
                done_.emplace(number, std::move(slide));
                changed_.notify_all();
            }
            own->close();
        } catch (...) {
            std::lock_guard lock(mutex_);
            failedLanes_.insert(lane);
            changed_.notify_all();
        }
    }

    // Waits until number is close enough to the slide being taken; false when
    // the source is going away.
    bool WaitForTurn(int number) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || number - taken_ <= kLookAhead; });
        return !stopping_;
    }

    Presentation& presentation_;
    SlideRequest request_;
    std::string file_;
    int count_;
    int lanes_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<int, RenderedSlide> done_;
    std::set<int> failedLanes_;
    int taken_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace

std::unique_ptr<SlideSource> MakeParallelSource(Presentation& presentation,
                                                std::vector<PresentationRenderer*> helpers,
                                                const std::string& file, SlideRequest request, int count) {
    if (helpers.empty() || count < 2) return MakeSequentialSource(presentation, std::move(request));
    return std::make_unique<ParallelSlideSource>(presentation, std::move(helpers), file,
                                                 std::move(request), count);
}

}  // namespace slidemint
