// The entry point: one run, and the abort that ends a fatal condition.
#include <memory>

#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "text/console_signals.hpp"

int main() {
  vortelin::prepare_standard_streams();
  vortelin::install_console_signals();
  const auto run = std::make_unique<vortelin::Run>();
  try {
    return vortelin::execute(*run);
  } catch (const vortelin::FatalCondition& condition) {
    vortelin::finish_after_fatal(*run, condition);
    vortelin::end_process_abnormally();
  }
}
