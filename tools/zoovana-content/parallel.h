#pragma once
// Runs independent jobs on a few threads; results land in job order, so the
// output does not depend on scheduling.
#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

template <typename Result>
std::vector<Result> RunParallel(const std::vector<std::function<Result()>>& jobs) {
  std::vector<Result> results(jobs.size());
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i; (i = next++) < jobs.size();) results[i] = jobs[i]();
  };
  unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < n; ++t) threads.emplace_back(worker);
  worker();
  for (auto& t : threads) t.join();
  return results;
}
