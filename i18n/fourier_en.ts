<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Fourier::DrawPane</name>
    <message>
        <source>С клавиатуры: ←, → — курсор на отсчёт (с Ctrl, PageUp, PageDown — на 16), Home, End — к краям; ↑, ↓ — значение; Пробел — начало отрезка, следующий Пробел рисует отрезок до курсора; Enter — закончить. Ctrl+Delete — очистить, Ctrl+M — взять из главного окна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отрезок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Курсор клавиатуры появится, когда рисунок получит фокус.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Курсор: отсчёт %1, x = %2, значение %3 (шаг ↑↓ %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; отрезок от x = %1, значение %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fourier::FormulaPane</name>
    <message>
        <source>формула от x, например x^2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Построить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примеры…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следовать за главным окном</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(x) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Своя функция: f(x) = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Понято как: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fourier::LabView</name>
    <message>
        <source>Значения сигнала слишком велики (больше 10¹⁵⁰ по модулю) или не конечны: их энергию и ошибку приближения не сосчитать, и здесь ничего не показано.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fourier::PictureExport</name>
    <message>
        <source>Сохранить рисунок…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рисунок.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>данные.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fourier::SoundPane</name>
    <message>
        <source>Звук: период, сложенный из гармоник ниже 24 кГц, звучит непрерывно; громкости сигнала, Sₖ и гармоник сравнимы между собой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Играть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить звук…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звук: ищу устройство вывода…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звучит:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основной тон:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Громкость:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина файла:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить звук</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>звук.wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звук WAV (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вывод звука: %1, 48 кГц.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет устройства вывода звука: звук можно только сохранить в файл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частичная сумма S%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармоника %1 отдельно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звучат все гармоники сигнала, 1–255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звучат гармоники сигнала 1–%1; выше %2 — за пределом 24 кГц.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S%1 пуста: звучать нечему.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звучат гармоники 1–%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звучат гармоники 1–%1; с %2-й они выше 24 кГц и не слышны.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармоника 0 — постоянная составляющая: она не звучит.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звучит гармоника %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармоника %1 выше 24 кГц: не слышна.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fourier::SoundWorker</name>
    <message>
        <source>Нет устройства вывода звука.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вывод звука прервался: устройство недоступно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть вывод звука.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabAccessibility</name>
    <message>
        <source>Заголовок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какой сигнал показан и с какими настройками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкладки лаборатории</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виды и панели лаборатории, Ctrl+1…Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График сходимости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка, доля энергии и выброс частичных сумм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График остатка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал, частичная сумма и остаток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График коэффициента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подынтегральная функция и накопленный интеграл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График спектра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Амплитуды и фазы гармоник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица спектра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По строке на гармонику: k, a_k, b_k, A_k, φ_k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсчёты сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал и его отсчёты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектр отсчётов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектр взятых отсчётов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отрывок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отрывок из нескольких периодов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектральное окно отрывка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсчётов на период</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько отсчётов берётся за период</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодов в отрывке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько периодов в отрывке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окно отрывка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектральное окно, на которое умножен отрывок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вращающиеся окружности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармоники как окружности и след их суммы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время t за период</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Момент, который показывают окружности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порядок окружностей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В каком порядке окружности сложены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Своя функция f(x); Enter строит её</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примеры формул</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Готовые формулы на выбор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунок сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле, на котором рисуют период сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Столбики коэффициентов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициенты гармоник 1…32; стрелки меняют столбик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ваш сигнал в коэффициентах гармоник 1…32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цель и ваш сигнал на одном периоде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение столбика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение выбранного столбика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вид столбиков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a_k и b_k или A_k и φ_k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармоник в секунду при нарастании</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>До гармоники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последняя гармоника нарастания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвиг во времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На сколько сдвинуть сигнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота первой гармоники звука</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Громкость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Громкость звука в процентах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько секунд звука сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число, из которого выбирается цель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Движок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Числовое поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список выбора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле ввода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Флажок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переключатель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пояснение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заголовки таблицы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкладки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разделённая область</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокручиваемая область</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рамка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкладка «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что показано: последний анализ или синтез</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал не измерить: значения слишком велики или не конечны</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Можно: числа (2,5 или 2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Можно: числа (2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Главное окно: график сигнала, его спектр и синтез по гармоникам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средняя панель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбор функции, спектр и синтез</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верхняя панель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель с графиком сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопки анализа, синтеза и выхода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подпись к ширине импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формула</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формула выбранной функции от x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начало отрезка по x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Левый конец отрезка, на котором берутся отсчёты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конец отрезка по x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правый конец отрезка, на котором берутся отсчёты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель спектра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель со спектром сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нижняя граница графика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьшее значение по вертикали при синтезе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верхняя граница графика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольшее значение по вертикали при синтезе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отрезок по x — период от −π до π</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вертикальный масштаб по значениям сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель функции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбор функции и её параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подпись третьего движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что задаёт третий движок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подпись второго движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что задаёт второй движок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подпись первого движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Что задаёт первый движок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Функция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите функцию для анализа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение первого движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первый параметр выбранной функции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение третьего движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Третий параметр выбранной функции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение второго движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Второй параметр выбранной функции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель кнопки «Построить»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Место кнопки «Построить»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строить автоматически</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анализировать сразу при каждом движении движка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель синтеза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Место рамки «Синтез»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Построить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Построить график и спектр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синтез</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сумма гармоник ряда Фурье до выбранного номера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер гармоники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подпись к полю номера гармоники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер гармоники обратно в 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>До какой гармоники суммировать ряд, от 0 до 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сумма гармоник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисовать сумму гармоник 1…k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисовать без спросу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синтезировать сразу при смене номера гармоники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последняя:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какую часть гармоники k рисовать отдельно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нарисовать сумму гармоник до выбранного номера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Учебная программа «Фурье», 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перерисовывать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перерисовывать при каждом изменении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часть гармоники k, рисуемая отдельно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График пуст: выберите функцию и нажмите «Анализ»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектр пуст: анализа ещё не было</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ничего не построено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спектр, гармоники 0…%1. %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
