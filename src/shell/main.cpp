#include <SDL.h>

// Program entry. The start-up sequence and the main loop grow here.
int main(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("Zoovana", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480, 0);
  bool running = window != nullptr;
  while (running) {
    SDL_Event e;
    while (SDL_WaitEventTimeout(&e, 100))
      if (e.type == SDL_QUIT) running = false;
  }
  if (window) SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
